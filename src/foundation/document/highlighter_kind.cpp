#include "foundation/document/highlighter_kind.h"

#include <QFileInfo>

namespace {

// Only A-Z fold, as everywhere a lower-cased name is compared.
bool equalsAsciiLower(QStringView text, QLatin1StringView lower) {
    if (text.size() != lower.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c >= u'A' && c <= u'Z')
            c += u'a' - u'A';
        if (c != char16_t(lower[i].unicode()))
            return false;
    }
    return true;
}

} // namespace

HighlighterKind highlighterForPath(const QString& path) {
    const QString extension = QFileInfo(path).suffix();
    if (equalsAsciiLower(extension, QLatin1StringView("css")))
        return HighlighterKind::Css;
    if (equalsAsciiLower(extension, QLatin1StringView("js")))
        return HighlighterKind::JavaScript;
    if (equalsAsciiLower(extension, QLatin1StringView("xml")))
        return HighlighterKind::Xml;
    if (equalsAsciiLower(extension, QLatin1StringView("php")))
        return HighlighterKind::Php;
    return HighlighterKind::Html;
}
