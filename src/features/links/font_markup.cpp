#include "features/links/font_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/markup/blank_selection.h"

#include <array>

namespace {

const std::array<NamedColour, 20> kNamedColours{{
    {{"Schwarz", "Black"}, {0x00, 0x00, 0x00}},
    {{"Kastanienbraun", "Maroon"}, {0x80, 0x00, 0x00}},
    {{"Grün", "Green"}, {0x00, 0x80, 0x00}},
    {{"Olivgrün", "Olive green"}, {0x80, 0x80, 0x00}},
    {{"Marineblau", "Navy blue"}, {0x00, 0x00, 0x80}},
    {{"Purpur", "Purple"}, {0x80, 0x00, 0x80}},
    {{"Blaugrün", "Teal"}, {0x00, 0x80, 0x80}},
    {{"Grau", "Gray"}, {0x80, 0x80, 0x80}},
    {{"Silber", "Silver"}, {0xC0, 0xC0, 0xC0}},
    {{"Rot", "Red"}, {0xFF, 0x00, 0x00}},
    {{"Hellgrün", "Lime"}, {0x00, 0xFF, 0x00}},
    {{"Gelb", "Yellow"}, {0xFF, 0xFF, 0x00}},
    {{"Blau", "Blue"}, {0x00, 0x00, 0xFF}},
    {{"Magenta", "Fuchsia"}, {0xFF, 0x00, 0xFF}},
    {{"Türkis", "Aqua"}, {0x00, 0xFF, 0xFF}},
    {{"Weiß", "White"}, {0xFF, 0xFF, 0xFF}},
    {{"Dollargrün", "Money green"}, {0xC0, 0xDC, 0xC0}},
    {{"Himmelblau", "Sky blue"}, {0xA6, 0xCA, 0xF0}},
    {{"Creme", "Cream"}, {0xFF, 0xFB, 0xF0}},
    {{"Mittelgrau", "Medium gray"}, {0xA0, 0xA0, 0xA4}},
}};

const std::array<QLatin1String, 14> kSizes{
    QLatin1String("8"),  QLatin1String("9"),  QLatin1String("10"), QLatin1String("11"),
    QLatin1String("12"), QLatin1String("14"), QLatin1String("16"), QLatin1String("18"),
    QLatin1String("20"), QLatin1String("22"), QLatin1String("24"), QLatin1String("26"),
    QLatin1String("28"), QLatin1String("30")};

} // namespace

QString fontSpanOpeningTag(const FontSpanFields& f) {
    QString style;
    if (!f.family.trimmed().isEmpty())
        style += QStringLiteral(" font-family:") + f.family + u';';
    if (!f.size.trimmed().isEmpty())
        style += QStringLiteral(" font-size:") + f.size + QStringLiteral("px;");
    if (f.colour)
        style += QStringLiteral(" color:") + colourToHtml(*f.colour) + u';';
    return QStringLiteral("<span style=\"") + style + QStringLiteral("\">");
}

void wrapInFontSpan(EditorBuffer& editor, const FontSpanFields& fields) {
    dropBlankSelection(editor);
    editor.setSelText(fontSpanOpeningTag(fields) + editor.selText() + QStringLiteral(" </span>"));
}

void insertColourCode(EditorBuffer& editor, const RgbColour& colour) {
    editor.setSelLength(0);
    editor.setSelText(colourToHtml(colour));
}

std::span<const NamedColour> namedColours() {
    return kNamedColours;
}

std::span<const QLatin1String> fontSizeItems() {
    return kSizes;
}
