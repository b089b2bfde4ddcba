#include "features/entities/entities.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_rules.h"

#include <iterator>

namespace {

using L = QLatin1String;

constexpr int SelectCharacterFirstLine = 38;

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
    {"capitalAUmlautButton", "Ä", L("&Auml;")},
    {"capitalOUmlautButton", "Ö", L("&Ouml;")},
    {"capitalUUmlautButton", "Ü", L("&Uuml;")},
    {"smallAUmlautButton", "ä", L("&auml;")},
    {"smallOUmlautButton", "ö", L("&ouml;")},
    {"smallUUmlautButton", "ü", L("&uuml;")},
    {"sharpSButton", "ß", L("&szlig;")},
    {"capitalEGraveButton", "È", L("&Egrave;")},
    {"capitalECircumflexButton", "Ê", L("&Ecirc;")},
    {"capitalEAcuteButton", "É", L("&Eacute;")},
    {"smallEGraveButton", "è", L("&egrave;")},
    {"smallECircumflexButton", "ê", L("&ecirc;")},
    {"smallEAcuteButton", "é", L("&eacute;")},
    {"capitalARingButton", "Å", L("&Aring;")},
    {"capitalACircumflexButton", "Â", L("&Acirc;")},
    {"capitalAAcuteButton", "Á", L("&Aacute;")},
    {"smallARingButton", "å", L("&aring;")},
    {"smallACircumflexButton", "â", L("&acirc;")},
    {"smallAGraveButton", "à", L("&agrave;")},
    {"sectionSignButton", "§", L("&sect;")},
    {"ampersandButton", "&", L("&amp;")},
    {"euroSignButton", "€", L("&euro;")},
    {"capitalOSlashButton", "Ø", L("&Oslash;")},
    {"nonBreakingSpaceButton", "Space", L("&nbsp;")},
};

} // namespace

std::span<const UmlautRow> umlautRows() {
    return Umlauts;
}

QString replaceUmlauts(const QString& text) {
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

void replaceUmlautsInDocument(EditorBuffer& editor) {
    const QString text = editor.text();
    const QString replaced = replaceUmlauts(text);
    if (replaced.size() != text.size())
        editor.setText(replaced);
}

QString numericCharacterReference(const QString& text) {
    if (text.isEmpty())
        return QString();
    // A surrogate pair is one character.
    char32_t code = text.at(0).unicode();
    if (text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        code = QChar::surrogateToUcs4(text.at(0), text.at(1));
    return QStringLiteral("&#") + QString::number(uint(code)) + QLatin1Char(';');
}

void replaceSelectionByCharacterReference(const CommandContext& context) {
    EditorBuffer& editor = context.editor;
    if (editor.selLength() == 0) {
        context.prompter.information(context.messages.message(SelectCharacterFirstLine));
        return;
    }
    editor.setSelText(numericCharacterReference(editor.selText()));
}

void replaceSelectionByJavaScriptString(EditorBuffer& editor) {
    const QString script = javaScriptString(editor.selText());
    if (!script.isEmpty())
        editor.setSelText(script);
}

std::span<const SpecialEntity> specialEntities() {
    return Specials;
}

QString specialSampleText() {
    return QStringLiteral("£ € ‰ ™ ¥ ± ° ¶ » ¼ ½ ¾\r\n† ¢ © « ® ¿ ƒ ™ • µ $");
}

void openSpecialCharacters(SpecialFields& fields) {
    fields.result.clear();
    fields.codeField.clear();
}

void pressEntityButton(SpecialFields& fields, const SpecialEntity& entity) {
    fields.codeField = entity.entity;
}

void pressKeyCode(SpecialFields& fields, const QString& sampleSelection) {
    if (sampleSelection.isEmpty())
        return;
    fields.result = numericCharacterReference(sampleSelection);
    fields.codeField = fields.result;
}

void pressSpecialOk(SpecialFields& fields) {
    fields.result = trimBlank(fields.codeField).toString();
}

void insertSpecialCode(EditorBuffer& editor, const QString& result) {
    editor.setSelLength(0);
    if (!result.isEmpty())
        editor.setSelText(result);
}
