#pragma once

#include "features/tables/element_locator.h"
#include "foundation/text/text_rules.h"
#include "foundation/text/text_search.h"

#include <QList>

// The element locator's steps written out literally, with copies and restarted searches: the
// yardstick the tests and the fuzzer hold the real one against, on small inputs.
inline ElementLocation literalLocate(const QString& T, int S, const QString& OpenTag,
                                     const QString& CloseTag) {
    QString nestOpen = QStringLiteral("<table");
    QString nestClose = QStringLiteral("</table");
    if (OpenTag == QLatin1String("<div") || OpenTag == QLatin1String("<span")) {
        nestOpen = OpenTag;
        nestClose = CloseTag;
    }
    const int L = int(OpenTag.size());
    const QString B = T.left(S);
    const QString closeHead = CloseTag.left(L + 1);
    auto piece = [](const QString& s, int p, int n) {
        return asciiLower(s.mid(qMax(p, 1) - 1, n));
    };
    QList<int> order{S + 1};
    for (int p = S - L; p >= 1 - L; --p)
        order << p;
    int D = 0;
    int found = 0;
    bool any = false;
    for (int p : order) {
        if (piece(B, p, L + 1) == closeHead)
            ++D;
        if (piece(T, p, L) == OpenTag) {
            if (D == 0) {
                found = p;
                any = true;
                break;
            }
            --D;
        }
    }
    if (!any)
        return {};
    const int F = found - 1;
    if (F < 1)
        return {ElementLocation::Outcome::AtTextStart, 0, 0};
    const int length = int(T.size());
    int E = 0;
    int b = findInText(T, CloseTag, F, length, false, false);
    if (b > 0)
        E = b + int(CloseTag.size());
    int K = F + L;
    do {
        if (findInText(T, nestOpen, K, E, false, false) <= 0)
            break;
        const int c = findInText(T, nestClose, K, length, false, false);
        if (c <= 0)
            break;
        K = c + 4;
        b = findInText(T, CloseTag, K, length, false, false);
        if (b <= 0)
            break;
        E = b + int(CloseTag.size());
    } while (E < length);
    return {ElementLocation::Outcome::Found, F, E > 0 ? E - F - 1 : length - F};
}
