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
    {InputType::Checkbox, L("checkbox"), L("checkbox1")},
    {InputType::File, L("file"), L("file1")},
    {InputType::Submit, L("submit"), L("submit1")},
    {InputType::Reset, L("reset"), L("reset1")},
    {InputType::Textarea, L("textarea"), L("textarea1")},
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
    int inpTyp;
    int notInput;
};

constexpr CommandRow CommandRows[] = {
    {InputCommand::Inputbox, -1, 0}, {InputCommand::TextLine, 0, 0},
    {InputCommand::Password, 2, 0},  {InputCommand::Upload, 6, 0},
    {InputCommand::Hidden, 1, 0},    {InputCommand::Button, 3, 1},
    {InputCommand::Textarea, 9, -1}, {InputCommand::Radio, 4, -1},
    {InputCommand::CheckBox, 5, -1},
};

const QString CrLf = QStringLiteral("\r\n");
const QString Quote = QStringLiteral("\"");

QString nameAndType(const InputFields& f) {
    return QStringLiteral("<input name=\"") + f.EditName + QStringLiteral("\" type=\"") + f.type +
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

QStringList InputTypeNames() {
    QStringList names;
    for (const InputTypeRow& row : TypeRows)
        names.append(row.name);
    return names;
}

void ApplyInputType(InputFields& fields, int index) {
    fields.sizeLabel = QStringLiteral("Size");
    fields.lengthLabel = QStringLiteral("MaxLength");
    fields.EditLength = QStringLiteral("50");
    if (index >= 0 && index <= LastLineControl) {
        fields.EditName = TypeRows[index].controlName;
        return;
    }
    fields.EditName = TypeRows[int(InputType::Textarea)].controlName;
    fields.sizeLabel = QStringLiteral("Cols");
    fields.lengthLabel = QStringLiteral("Rows");
    fields.EditLength = QStringLiteral("5");
}

QString InputMarkup(const InputFields& f) {
    const QString type = asciiLower(f.type);
    auto is = [&type](const char* name) { return type == QLatin1String(name); };
    const QString value = QStringLiteral(" value=\"") + f.EditValue + Quote;
    const QString sizes = QStringLiteral(" size=\"") + f.EditSize +
                          QStringLiteral("\" maxlength=\"") + f.EditLength + Quote;

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
               f.EditSize + QStringLiteral("\" value=\"\" />") + CrLf;
    if (is("submit"))
        return QStringLiteral("<br />") + nameAndType(f) + QStringLiteral(" value=\"Submit\" />") +
               CrLf;
    if (is("reset"))
        return QStringLiteral("<br />") + nameAndType(f) + QStringLiteral(" value=\"Reset\" />");
    if (is("radio") || is("checkbox"))
        return QStringLiteral("<br />") + nameAndType(f) + value + QStringLiteral(" />") +
               f.EditValue + QStringLiteral("<br />") + CrLf;
    if (is("button")) {
        const QString onclick = QStringLiteral(" onclick=\"") + f.EditClick + Quote;
        if (!f.NotInput)
            return QStringLiteral("<br />") + nameAndType(f) + value + onclick +
                   QStringLiteral(" />") + CrLf;
        return QStringLiteral("<br /><button name=\"") + f.EditName + QStringLiteral("\" type=\"") +
               f.type + Quote + value + onclick + QStringLiteral(">") + CrLf +
               QStringLiteral("<img src=\"") + f.EditImage + QStringLiteral("\"  alt=\"") +
               f.EditValue + QStringLiteral("\"><br />") + CrLf +
               QStringLiteral("</button><br />") + CrLf;
    }
    if (is("textarea"))
        return QStringLiteral("<br /><textarea name=\"") + f.EditName +
               QStringLiteral("\" cols=\"") + f.EditSize + QStringLiteral("\" rows=\"") +
               f.EditLength + QStringLiteral("\" wrap=\"hard\">") + f.EditValue +
               QStringLiteral("</textarea><br />") + CrLf;
    if (is("image"))
        return QStringLiteral("<br /><input type=\"") + f.type + QStringLiteral("\" src=\"") +
               f.EditImage + QStringLiteral("\" alt=\"Submit\" />") + CrLf;
    return QString();
}

void PrepareInputCommand(InputDialogState& state, InputCommand command) {
    for (const CommandRow& row : CommandRows) {
        if (row.command != command)
            continue;
        if (row.inpTyp >= 0)
            state.InpTyp = row.inpTyp;
        if (row.notInput >= 0)
            state.NotInput = row.notInput == 1;
        return;
    }
}

void InsertInputCode(EditorBuffer& editor, bool accepted, const QString& htmCode) {
    if (accepted)
        insertAtSelectionStart(editor, htmCode);
}

const QStringList& FormMethods() {
    static const QStringList methods{QStringLiteral("get"), QStringLiteral("post"), QString()};
    return methods;
}

const QStringList& FormEncTypes() {
    static const QStringList types{QStringLiteral("application/x-www-form-urlencoded"),
                                   QStringLiteral("multipart/form-data"),
                                   QStringLiteral("text/plain")};
    return types;
}

void SetUploadBox(FormFields& fields, bool on) {
    fields.CheckUpload = on;
    if (on) {
        fields.Method = FormMethods().at(1);
        fields.EncType = FormEncTypes().at(1);
    } else {
        fields.EncType = FormEncTypes().at(0);
    }
}

QString FormMarkup(const FormFields& f) {
    QString submit;
    if (!isBlankText(f.EditSubmit))
        submit = QStringLiteral("  onsubmit=\"") + f.EditSubmit + Quote;
    const QString head =
        QStringLiteral("<form name=\"") + f.EditName + QStringLiteral("\" action=\"") +
        f.EditAction + QStringLiteral("\" method=\"") + f.Method + QStringLiteral("\" enctype=\"") +
        f.EncType + QStringLiteral("\" ") + submit + QStringLiteral(">") + CrLf +
        QStringLiteral("<br />") + QStringLiteral("My New Form ") + CrLf + QStringLiteral("<br />");
    QString body;
    if (f.CheckInput)
        body += QStringLiteral("<input name=\"MyInput\" type=\"text\" size=\"50\" "
                               "maxlength=\"50\" value=\"Enter text\" />") +
                CrLf;
    if (f.CheckUpload)
        body += QStringLiteral("<input name=\"Upload\" type=\"file\" size=\"50\" "
                               "maxlength=\"100000\" accept=\"text/*\" />") +
                CrLf;
    if (f.CheckSubmit)
        body += QStringLiteral("<br />") +
                QStringLiteral("<input type=\"submit\" value=\" Submit \" />") + CrLf;
    if (f.CheckReset)
        body += QStringLiteral("<input type=\"reset\" value=\" Reset \" />") + CrLf;
    return CrLf + head + CrLf + body + QStringLiteral("</form>") + CrLf;
}

void PrepareFormCommand(EditorBuffer& editor) {
    dropBlankSelection(editor);
}

void InsertForm(EditorBuffer& editor, const QString& formCode) {
    editor.setSelText(formCode + editor.selText());
}

const QLatin1String SelectboxMarkup(
    "<select name=\"Selectbox1\" size=\"3\" "
    "onchange=\"alert(this.form.Selectbox1.options[this.form.Selectbox1.selectedIndex].value)\">"
    "\r\n<option value=\"Option1\">This is Caption1</option>\r\n<option value=\"Option2\">This is "
    "Caption2</option>\r\n<option value=\"Option3\">This is Caption3</option>\r\n</select>\r\n");
const QLatin1String DropdownListMarkup(
    "<select name=\"Dropbox1\" size=\"1\" "
    "onchange=\"alert(this.form.Dropbox1.options[this.form.Dropbox1.selectedIndex].value)\">"
    "\r\n<option value=\"Option1\">This is Caption1</option>\r\n<option value=\"Option2\">This is "
    "Caption2</option>\r\n<option value=\"Option3\">This is Caption3</option>\r\n</select>\r\n");

void InsertSelectbox(EditorBuffer& editor) {
    insertAtSelectionStart(editor, SelectboxMarkup);
}

void InsertDropdownList(EditorBuffer& editor) {
    insertAtSelectionStart(editor, DropdownListMarkup);
}
