#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A plain colour with each channel 0-255; the core knows no toolkit colour type.
struct RgbColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RgbColour&) const = default;
};

// "#RRGGBB" with upper-case hex digits.
QString colourToHtml(const RgbColour& colour);

// The colour of an HTML colour text for a swatch: blanks around and one leading "#" are
// ignored, then the first six characters are read as red, green and blue in hex (anything
// after them plays no part). Three or four hex digits are the CSS short form (#RGB, #RGBA).
// nullopt for an empty text, other lengths or characters that are not hex digits.
std::optional<RgbColour> htmlToColour(QStringView text);
