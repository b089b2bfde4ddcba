#pragma once

#include "features/tables/element_locator.h"
#include "foundation/text/text_rules.h"
#include "foundation/text/text_search.h"

#include <QList>

// The reference model of the element locator: its steps written out plainly, with copies and
// restarted searches. The tests and the fuzzer hold the real one against it on small inputs.
inline ElementLocation referenceLocate(const QString& text, int caret, const QString& openTag,
                                       const QString& closeTag) {
    QString nestOpen = QStringLiteral("<table");
    QString nestClose = QStringLiteral("</table");
    if (openTag == QLatin1String("<div") || openTag == QLatin1String("<span")) {
        nestOpen = openTag;
        nestClose = closeTag;
    }
    const int openLength = int(openTag.size());
    const QString beforeCaret = text.left(caret);
    const QString closeHead = closeTag.left(openLength + 1);
    // The lower-cased piece at a 1-based position; positions below 1 read from position 1.
    auto piece = [](const QString& s, int position, int length) {
        return asciiLower(s.mid(qMax(position, 1) - 1, length));
    };
    QList<int> order{caret + 1};
    for (int p = caret - openLength; p >= 1 - openLength; --p)
        order << p;
    int depth = 0;
    int openPosition = 0;
    bool openFound = false;
    for (int p : order) {
        if (piece(beforeCaret, p, openLength + 1) == closeHead)
            ++depth;
        if (piece(text, p, openLength) == openTag) {
            if (depth == 0) {
                openPosition = p;
                openFound = true;
                break;
            }
            --depth;
        }
    }
    if (!openFound)
        return {};
    const int start = openPosition - 1;
    if (start < 1)
        return {ElementLocation::Outcome::AtTextStart, 0, 0};
    const int length = int(text.size());
    int endPosition = 0;
    int close = findInText(text, closeTag, start, length, false, false);
    if (close > 0)
        endPosition = close + int(closeTag.size());
    int searchPosition = start + openLength;
    do {
        if (findInText(text, nestOpen, searchPosition, endPosition, false, false) <= 0)
            break;
        const int nestedClose = findInText(text, nestClose, searchPosition, length, false, false);
        if (nestedClose <= 0)
            break;
        searchPosition = nestedClose + 4;
        close = findInText(text, closeTag, searchPosition, length, false, false);
        if (close <= 0)
            break;
        endPosition = close + int(closeTag.size());
    } while (endPosition < length);
    return {ElementLocation::Outcome::Found, start,
            endPosition > 0 ? endPosition - start - 1 : length - start};
}
