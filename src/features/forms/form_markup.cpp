#include "features/forms/form_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/markup/blank_selection.h"
#include "foundation/text/text_rules.h"

#include <iterator>

namespace {

using L = QLatin1String;

constexpr InputTypeRow TypeRows[] = {
    {InputType::Text, L("text"), L("input1")},
    {InputType::Hidden, L("hidden"), L("hidden1")},
    {InputType::Password, L("password"), L("password1")},
    {InputType::Button, L("button"), L("button1")},
    {InputType::Radio, L("radio"), L("radiobutton1")},
    {InputType::CheckBox, L("checkbox"), L("checkbox1")},
    {InputType::File, L("file"), L("file1")},
    {InputType::Submit, L("submit"), L("submit1")},
    {InputType::Reset, L("reset"), L("reset1")},
    {InputType::TextArea, L("textarea"), L("textarea1")},
    // The image button shares the text area's set-up, name included.
    {InputType::Image, L("image"), L("textarea1")},
};

constexpr bool typeRowsFollowTheEnum() {
    for (int i = 0; i < int(std::size(TypeRows)); ++i)
        if (int(TypeRows[i].type) != i)
            return false;
    return true;
}
static_assert(typeRowsFollowTheEnum(), "the type index is the row index");

constexpr int LastLineControl = int(InputType::Reset);

// -1 leaves the value as the last command left it.
struct CommandRow {
    InputCommand command;
    int typeIndex;
    int buttonElement;
};

constexpr CommandRow CommandRows[] = {
    {InputCommand::InputBox, -1, 0}, {InputCommand::TextLine, 0, 0},
    {InputCommand::Password, 2, 0},  {InputCommand::Upload, 6, 0},
    {InputCommand::Hidden, 1, 0},    {InputCommand::Button, 3, 1},
    {InputCommand::TextArea, 9, -1}, {InputCommand::Radio, 4, -1},
    {InputCommand::CheckBox, 5, -1},
};

const QString CrLf = QStringLiteral("\r\n");
const QString Quote = QStringLiteral("\"");

QString nameAndType(const InputFields& f) {
    return QStringLiteral("<input name=\"") + f.name + QStringLiteral("\" type=\"") + f.type +
           Quote;
}

// The controls and lists go in at the start of the selection; the selected text stays after.
void insertAtSelectionStart(EditorBuffer& editor, const QString& text) {
    editor.setSelLength(0);
    if (!text.isEmpty())
        editor.setSelText(text);
}

} // namespace

std::span<const InputTypeRow> inputTypeRows() {
    return TypeRows;
}

QStringList inputTypeNames() {
    QStringList names;
    for (const InputTypeRow& row : TypeRows)
        names.append(row.name);
    return names;
}

void applyInputType(InputFields& fields, int index) {
    fields.sizeLabel = QStringLiteral("Size");
    fields.lengthLabel = QStringLiteral("MaxLength");
    fields.length = QStringLiteral("50");
    if (index >= 0 && index <= LastLineControl) {
        fields.name = TypeRows[index].controlName;
        return;
    }
    fields.name = TypeRows[int(InputType::TextArea)].controlName;
    fields.sizeLabel = QStringLiteral("Cols");
    fields.lengthLabel = QStringLiteral("Rows");
    fields.length = QStringLiteral("5");
}

QString inputMarkup(const InputFields& f) {
    const QString type = asciiLower(f.type);
    auto is = [&type](const char* name) { return type == QLatin1String(name); };
    const QString value = QStringLiteral(" value=\"") + f.value + Quote;
    const QString sizes =
        QStringLiteral(" size=\"") + f.size + QStringLiteral("\" maxlength=\"") + f.length + Quote;

    if (is("text"))
        return QStringLiteral("<br />Enter text:<br />") + nameAndType(f) + sizes + value +
               QStringLiteral(" />") + CrLf;
    if (is("hidden"))
        return QStringLiteral("<br />") + nameAndType(f) + value + QStringLiteral(" />") + CrLf;
    if (is("password"))
        return QStringLiteral("<br />Enter password:<br />") + nameAndType(f) + sizes +
               QStringLiteral(" />") + CrLf;
    if (is("file"))
        return QStringLiteral("<br />File:<br />") + nameAndType(f) + QStringLiteral(" size=\"") +
               f.size + QStringLiteral("\" value=\"\" />") + CrLf;
    if (is("submit"))
        return QStringLiteral("<br />") + nameAndType(f) + QStringLiteral(" value=\"Submit\" />") +
               CrLf;
    if (is("reset"))
        return QStringLiteral("<br />") + nameAndType(f) + QStringLiteral(" value=\"Reset\" />");
    if (is("radio") || is("checkbox"))
        return QStringLiteral("<br />") + nameAndType(f) + value + QStringLiteral(" />") + f.value +
               QStringLiteral("<br />") + CrLf;
    if (is("button")) {
        const QString onclick = QStringLiteral(" onclick=\"") + f.clickScript + Quote;
        if (!f.buttonElement)
            return QStringLiteral("<br />") + nameAndType(f) + value + onclick +
                   QStringLiteral(" />") + CrLf;
        return QStringLiteral("<br /><button name=\"") + f.name + QStringLiteral("\" type=\"") +
               f.type + Quote + value + onclick + QStringLiteral(">") + CrLf +
               QStringLiteral("<img src=\"") + f.image + QStringLiteral("\"  alt=\"") + f.value +
               QStringLiteral("\"><br />") + CrLf + QStringLiteral("</button><br />") + CrLf;
    }
    if (is("textarea"))
        return QStringLiteral("<br /><textarea name=\"") + f.name + QStringLiteral("\" cols=\"") +
               f.size + QStringLiteral("\" rows=\"") + f.length +
               QStringLiteral("\" wrap=\"hard\">") + f.value + QStringLiteral("</textarea><br />") +
               CrLf;
    if (is("image"))
        return QStringLiteral("<br /><input type=\"") + f.type + QStringLiteral("\" src=\"") +
               f.image + QStringLiteral("\" alt=\"Submit\" />") + CrLf;
    return QString();
}

void prepareInputCommand(InputDialogState& state, InputCommand command) {
    for (const CommandRow& row : CommandRows) {
        if (row.command != command)
            continue;
        if (row.typeIndex >= 0)
            state.typeIndex = row.typeIndex;
        if (row.buttonElement >= 0)
            state.buttonElement = row.buttonElement == 1;
        return;
    }
}

void insertInputCode(EditorBuffer& editor, bool accepted, const QString& htmlCode) {
    if (accepted)
        insertAtSelectionStart(editor, htmlCode);
}

const QStringList& formMethods() {
    static const QStringList methods{QStringLiteral("get"), QStringLiteral("post"), QString()};
    return methods;
}

const QStringList& formEncodings() {
    static const QStringList types{QStringLiteral("application/x-www-form-urlencoded"),
                                   QStringLiteral("multipart/form-data"),
                                   QStringLiteral("text/plain")};
    return types;
}

void setUploadBox(FormFields& fields, bool on) {
    fields.withUpload = on;
    if (on) {
        fields.method = formMethods().at(1);
        fields.encoding = formEncodings().at(1);
    } else {
        fields.encoding = formEncodings().at(0);
    }
}

QString formMarkup(const FormFields& f) {
    QString submit;
    if (!isBlankText(f.onSubmit))
        submit = QStringLiteral("  onsubmit=\"") + f.onSubmit + Quote;
    const QString head = QStringLiteral("<form name=\"") + f.name + QStringLiteral("\" action=\"") +
                         f.action + QStringLiteral("\" method=\"") + f.method +
                         QStringLiteral("\" enctype=\"") + f.encoding + QStringLiteral("\" ") +
                         submit + QStringLiteral(">") + CrLf + QStringLiteral("<br />") +
                         QStringLiteral("My New Form ") + CrLf + QStringLiteral("<br />");
    QString body;
    if (f.withInput)
        body += QStringLiteral("<input name=\"MyInput\" type=\"text\" size=\"50\" "
                               "maxlength=\"50\" value=\"Enter text\" />") +
                CrLf;
    if (f.withUpload)
        body += QStringLiteral("<input name=\"Upload\" type=\"file\" size=\"50\" "
                               "maxlength=\"100000\" accept=\"text/*\" />") +
                CrLf;
    if (f.withSubmitButton)
        body += QStringLiteral("<br />") +
                QStringLiteral("<input type=\"submit\" value=\" Submit \" />") + CrLf;
    if (f.withResetButton)
        body += QStringLiteral("<input type=\"reset\" value=\" Reset \" />") + CrLf;
    return CrLf + head + CrLf + body + QStringLiteral("</form>") + CrLf;
}

void prepareFormCommand(EditorBuffer& editor) {
    dropBlankSelection(editor);
}

void insertFormCode(EditorBuffer& editor, const QString& formCode) {
    editor.setSelText(formCode + editor.selText());
}

const QLatin1String SelectBoxMarkup(
    "<select name=\"Selectbox1\" size=\"3\" "
    "onchange=\"alert(this.form.Selectbox1.options[this.form.Selectbox1.selectedIndex].value)\">"
    "\r\n<option value=\"Option1\">This is Caption1</option>\r\n<option value=\"Option2\">This is "
    "Caption2</option>\r\n<option value=\"Option3\">This is Caption3</option>\r\n</select>\r\n");
const QLatin1String DropDownListMarkup(
    "<select name=\"Dropbox1\" size=\"1\" "
    "onchange=\"alert(this.form.Dropbox1.options[this.form.Dropbox1.selectedIndex].value)\">"
    "\r\n<option value=\"Option1\">This is Caption1</option>\r\n<option value=\"Option2\">This is "
    "Caption2</option>\r\n<option value=\"Option3\">This is Caption3</option>\r\n</select>\r\n");

void insertSelectBoxCode(EditorBuffer& editor) {
    insertAtSelectionStart(editor, SelectBoxMarkup);
}

void insertDropDownListCode(EditorBuffer& editor) {
    insertAtSelectionStart(editor, DropDownListMarkup);
}
