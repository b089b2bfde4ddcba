#include "features/entities/entities.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/messages.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_rules.h"

#include <iterator>

namespace {

using L = QLatin1String;

constexpr UmlautRow Umlauts[] = {
    {u'\u20AC', L("&euro;")},  {u'\u00A9', L("&copy;")}, {u'\u00AE', L("&reg;")},
    {u'\u00C4', L("&Auml;")},  {u'\u00DC', L("&Uuml;")}, {u'\u00D6', L("&Ouml;")},
    {u'\u00E4', L("&auml;")},  {u'\u00FC', L("&uuml;")}, {u'\u00F6', L("&ouml;")},
    {u'\u00DF', L("&szlig;")},
};

// The row of a character, or -1. Most characters of a page are below the first one.
int umlautRow(char16_t c) {
    if (c < u'\u00A9')
        return -1;
    for (int i = 0; i < int(std::size(Umlauts)); ++i)
        if (Umlauts[i].character == c)
            return i;
    return -1;
}

// Each button writes the letter it shows: Á is &Aacute; (not A grave), Ø is &Oslash; (not
// the empty-set sign).
constexpr SpecialEntity Specials[] = {
    {"ToolButton2", "Ä", L("&Auml;")},    {"ToolButton3", "Ö", L("&Ouml;")},
    {"ToolButton4", "Ü", L("&Uuml;")},    {"ToolButton7", "ä", L("&auml;")},
    {"ToolButton8", "ö", L("&ouml;")},    {"ToolButton9", "ü", L("&uuml;")},
    {"ToolButton5", "ß", L("&szlig;")},   {"ToolButton25", "È", L("&Egrave;")},
    {"ToolButton15", "Ê", L("&Ecirc;")},  {"ToolButton16", "É", L("&Eacute;")},
    {"ToolButton17", "è", L("&egrave;")}, {"ToolButton22", "ê", L("&ecirc;")},
    {"ToolButton14", "é", L("&eacute;")}, {"ToolButton18", "Å", L("&Aring;")},
    {"ToolButton19", "Â", L("&Acirc;")},  {"ToolButton20", "Á", L("&Aacute;")},
    {"ToolButton12", "å", L("&aring;")},  {"ToolButton21", "â", L("&acirc;")},
    {"ToolButton23", "à", L("&agrave;")}, {"ToolButton6", "§", L("&sect;")},
    {"ToolButton13", "&", L("&amp;")},    {"ToolButton11", "€", L("&euro;")},
    {"ToolButton24", "Ø", L("&Oslash;")}, {"ToolButton1", "Space", L("&nbsp;")},
};

} // namespace

std::span<const UmlautRow> umlautRows() {
    return Umlauts;
}

QString ReplaceUmlauts(const QString& text) {
    const QChar* data = text.constData();
    const qsizetype size = text.size();
    qsizetype first = 0;
    while (first < size && umlautRow(data[first].unicode()) < 0)
        ++first;
    if (first == size)
        return text;

    QString out;
    out.reserve(size + (size - first) / 4 + 8);
    qsizetype copied = 0;
    for (qsizetype i = first; i < size; ++i) {
        const int row = umlautRow(data[i].unicode());
        if (row < 0)
            continue;
        out.append(data + copied, i - copied);
        out.append(Umlauts[row].entity);
        copied = i + 1;
    }
    out.append(data + copied, size - copied);
    return out;
}

void ReplaceUmlautsCommand(EditorBuffer& editor) {
    const QString text = editor.text();
    const QString replaced = ReplaceUmlauts(text);
    if (replaced.size() != text.size())
        editor.setText(replaced);
}

QString NumericCharRef(const QString& text) {
    if (text.isEmpty())
        return QString();
    return QStringLiteral("&#") + QString::number(text.at(0).unicode()) + QLatin1Char(';');
}

void MakeEntitieCommand(const CommandContext& context) {
    EditorBuffer& editor = context.editor;
    if (editor.selLength() == 0) {
        context.prompter.information(context.messages.message(38));
        return;
    }
    editor.setSelText(NumericCharRef(editor.selText()));
}

void MakeStringVariableCommand(EditorBuffer& editor) {
    const QString script = JavaScriptString(editor.selText());
    if (!script.isEmpty())
        editor.setSelText(script);
}

std::span<const SpecialEntity> specialEntities() {
    return Specials;
}

QString SpecialSampleText() {
    return QStringLiteral("£ € ‰ ™ ¥ ± ° ¶ » ¼ ½ ¾\r\n† ¢ © « ® ¿ ƒ ™ • µ $");
}

void OpenSpecial(SpecialFields& fields) {
    fields.sCode.clear();
    fields.Edit1.clear();
}

void PressEntityButton(SpecialFields& fields, const SpecialEntity& entity) {
    fields.Edit1 = entity.entity;
}

void PressKeyCode(SpecialFields& fields, const QString& sampleSelection) {
    if (sampleSelection.isEmpty())
        return;
    fields.sCode = NumericCharRef(sampleSelection);
    fields.Edit1 = fields.sCode;
}

void PressSpecialOk(SpecialFields& fields) {
    fields.sCode = trimBlank(fields.Edit1).toString();
}

void InsertSpecialCode(EditorBuffer& editor, const QString& sCode) {
    editor.setSelLength(0);
    if (!sCode.isEmpty())
        editor.setSelText(sCode);
}
