#include "foundation/markup/html_color.h"

#include <gtest/gtest.h>

TEST(Color2HTML, WritesRedGreenBlueAsUpperCaseHexPairs) {
    const struct {
        RgbColour colour;
        const char* text;
    } cases[] = {
        {{0xFF, 0, 0}, "#FF0000"},  {{0, 0, 0}, "#000000"},       {{0x56, 0x34, 0x12}, "#563412"},
        {{1, 171, 239}, "#01ABEF"}, {{255, 255, 255}, "#FFFFFF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(colourToHtml(c.colour), QLatin1String(c.text)) << c.text;
}

TEST(HtmlToColor, ReadsTheFirstSixHexDigitsAsRedGreenBlue) {
    const struct {
        const char* text;
        RgbColour colour;
    } cases[] = {
        {"#563412", {0x56, 0x34, 0x12}},
        {"  #ff0000\t", {0xFF, 0, 0}},
        {"00Ff00", {0, 0xFF, 0}},
        // Characters after the sixth play no part, so an alpha pair is ignored.
        {"#12345678", {0x12, 0x34, 0x56}},
        {"#123456zz", {0x12, 0x34, 0x56}},
        // The CSS short forms.
        {"#FFF", {0xFF, 0xFF, 0xFF}},
        {"#0f08", {0, 0xFF, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(htmlToColour(QString::fromLatin1(c.text)), c.colour) << c.text;
}

TEST(HtmlToColor, GivesNoColourForTextsThatAreNoHexColour) {
    for (const char* bad : {"", "   ", "#", "#1", "#12", "#12345", "#GG0000", "red", "##123456",
                            "# 12345", "#-12345"})
        EXPECT_FALSE(htmlToColour(QString::fromLatin1(bad)).has_value()) << bad;
}
