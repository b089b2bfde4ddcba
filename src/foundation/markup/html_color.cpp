#include "foundation/markup/html_color.h"

namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

QString colourToHtml(const RgbColour& colour) {
    static constexpr char digits[] = "0123456789ABCDEF";
    QString out(7, QLatin1Char('#'));
    int i = 1;
    for (int channel : {colour.red, colour.green, colour.blue}) {
        out[i++] = QLatin1Char(digits[(channel >> 4) & 0xF]);
        out[i++] = QLatin1Char(digits[channel & 0xF]);
    }
    return out;
}

std::optional<RgbColour> htmlToColour(QStringView text) {
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('#')))
        text = text.mid(1);
    // Short forms repeat each digit; only red, green and blue matter.
    const bool shortForm = text.size() == 3 || text.size() == 4;
    if (!shortForm && text.size() < 6)
        return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexValue(text[shortForm ? i : 2 * i]);
        const int low = hexValue(text[shortForm ? i : 2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        channels[i] = high * 16 + low;
    }
    return RgbColour{channels[0], channels[1], channels[2]};
}
