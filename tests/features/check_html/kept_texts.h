#pragma once

// The texts the code check must give back byte for byte, found in a page on their own terms
// (not through the check's ProtectedTexts), and the property the tests and fuzzers hold the
// check to: every one of them is still there, unchanged and in the same order.

#include "foundation/text/case_rules.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace keptTexts {

struct KeptText {
    qsizetype at;
    QStringView text;
    bool value;
};

// Script and style blocks ("<script" through the first "</script>", "<style" likewise),
// comments ("<!--" through the first "-->") and quoted attribute values: inside a tag, "=",
// optional white space, then a double- or single-quoted text of at least one character.
inline QList<KeptText> find(QStringView page) {
    QList<KeptText> found;
    bool inTag = false;
    qsizetype i = 0;
    while (i < page.size()) {
        const QChar c = page[i];
        if (c == QLatin1Char('<')) {
            qsizetype end = -1;
            if (page.mid(i).startsWith(u"<!--")) {
                end = page.indexOf(u"-->", i + 4);
                end = end < 0 ? -1 : end + 3;
            } else {
                for (QStringView name : {QStringView(u"script"), QStringView(u"style")}) {
                    if (!matchesIgnoringCaseAt(page, i + 1, name))
                        continue;
                    const QString close = QStringLiteral("</") + name.toString() + QLatin1Char('>');
                    end = indexOfIgnoringCase(page, close, i + 1 + name.size());
                    end = end < 0 ? -1 : end + close.size();
                }
            }
            if (end >= 0) {
                found.append({i, page.mid(i, end - i), false});
                i = end;
                inTag = false;
                continue;
            }
            inTag = true;
        } else if (c == QLatin1Char('>')) {
            inTag = false;
        } else if (c == QLatin1Char('=') && inTag) {
            qsizetype q = i + 1;
            while (q < page.size() && QStringView(u" \t\r\n\f").contains(page[q]))
                ++q;
            if (q < page.size() && (page[q] == QLatin1Char('"') || page[q] == QLatin1Char('\''))) {
                const qsizetype close = page.indexOf(page[q], q + 1);
                if (close > q + 1) {
                    found.append({q, page.mid(q, close + 1 - q), true});
                    i = close + 1;
                    continue;
                }
            }
        }
        ++i;
    }
    return found;
}

// Whether the tag holding a value at `at` is one of the kinds the check removes when empty
// (font, blockquote, span, strike, a, h1 to h6): such a value goes with its element.
inline bool inRemovableTag(QStringView page, qsizetype at) {
    qsizetype lt = at;
    while (lt >= 0 && page[lt] != QLatin1Char('<'))
        --lt;
    if (lt < 0)
        return false;
    qsizetype start = lt + 1;
    while (start < page.size() && page[start] == QLatin1Char(' '))
        ++start;
    qsizetype end = start;
    while (end < page.size() && page[end].isLetterOrNumber())
        ++end;
    const QString name = page.mid(start, end - start).toString().toLower();
    static const QStringList removable{"font", "blockquote", "span", "strike", "a", "h1",
                                       "h2",   "h3",         "h4",   "h5",     "h6"};
    return removable.contains(name);
}

// Empty when every kept text of `before` stands in `after`, unchanged and in order; else what
// went missing. A value of a tag that inRemovableTag names may be gone with its element; where
// it stays, it stands before the next text that must stay.
inline QString missing(QStringView before, QStringView after) {
    const QList<KeptText> kept = find(before);
    auto mayGo = [&](const KeptText& k) { return k.value && inRemovableTag(before, k.at); };
    auto lost = [](const KeptText& k) {
        return QStringLiteral("at %1: %2").arg(k.at).arg(k.text.left(200));
    };
    qsizetype from = 0;
    for (qsizetype i = 0; i < kept.size(); ++i) {
        qsizetype limit = after.size();
        if (mayGo(kept[i])) {
            qsizetype next = i + 1;
            while (next < kept.size() && mayGo(kept[next]))
                ++next;
            if (next < kept.size())
                limit = after.indexOf(kept[next].text, from);
            if (limit < 0)
                return lost(kept[next]);
        }
        const qsizetype at = after.indexOf(kept[i].text, from);
        if (at >= 0 && at + kept[i].text.size() <= limit)
            from = at + kept[i].text.size();
        else if (!mayGo(kept[i]))
            return lost(kept[i]);
    }
    return {};
}

} // namespace keptTexts
