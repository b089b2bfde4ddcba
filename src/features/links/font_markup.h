#pragma once

#include "foundation/markup/html_color.h"
#include "foundation/messages/ui_text.h"

#include <QLatin1String>
#include <QString>

#include <optional>
#include <span>

class EditorBuffer;

// The standard toolbar's font pickers as the font command reads them.
struct FontSpanFields {
    QString family;
    // nullopt is the colour picker's "no colour".
    std::optional<RgbColour> colour = RgbColour{0, 0, 0};
    // In pixels, as typed or picked.
    QString size;
};

// The opening tag "<span style=\"...\">" with the family, size and colour that are set.
QString fontSpanOpeningTag(const FontSpanFields& fields);

// The font command: drops a blank selection and wraps the selection in the styled SPAN; the
// caret ends after " </span>".
void wrapInFontSpan(EditorBuffer& editor, const FontSpanFields& fields);

// The colour command after the colour dialog was confirmed: the colour's text goes in at the
// start of the selection, whose text stays behind it.
void insertColourCode(EditorBuffer& editor, const RgbColour& colour);

struct NamedColour {
    UiText name;
    RgbColour colour;
};
// The colour picker's named colours, in the picker's order, starting with black.
std::span<const NamedColour> namedColours();

// The size box's items; it accepts free text too.
std::span<const QLatin1String> fontSizeItems();
