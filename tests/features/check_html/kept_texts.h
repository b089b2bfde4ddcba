#pragma once

// The texts the code check must give back byte for byte, found in a page on their own terms
// (not through the check's ProtectedTexts), and the property the tests and fuzzers hold the
// check to: every one of them is still there, unchanged and in the same order (those in the
// document type declaration move to the front with it).

#include "foundation/text/case_rules.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

namespace keptTexts {

struct KeptText {
    qsizetype at;
    QStringView text;
    bool value;
    // A value of a tag of a kind the check removes when empty: it may go with its element.
    bool mayGo = false;
};

inline bool inRemovableTag(QStringView page, const QList<KeptText>& kept, qsizetype index);

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
    for (qsizetype k = 0; k < found.size(); ++k)
        found[k].mayGo = found[k].value && inRemovableTag(page, found, k);
    return found;
}

// Whether the value kept[index] stands in a tag of a kind the check removes when empty (font,
// blockquote, span, strike, a, h1 to h6). The check takes such a tag from its "<" to the first
// ">" outside values, whatever "<" stand between, and a comment or block ends it.
inline bool inRemovableTag(QStringView page, const QList<KeptText>& kept, qsizetype index) {
    static const QStringList removable{"font", "blockquote", "span", "strike", "a", "h1",
                                       "h2",   "h3",         "h4",   "h5",     "h6"};
    qsizetype k = index - 1;
    for (qsizetype i = kept[index].at - 1; i >= 0; --i) {
        if (k >= 0 && i < kept[k].at + kept[k].text.size()) {
            if (!kept[k].value)
                return false;
            i = kept[k--].at;
            continue;
        }
        if (page[i] == QLatin1Char('>'))
            return false;
        if (page[i] != QLatin1Char('<'))
            continue;
        qsizetype start = i + 1;
        while (start < page.size() && page[start] == QLatin1Char(' '))
            ++start;
        qsizetype end = start;
        while (end < page.size() && page[end].isLetterOrNumber())
            ++end;
        if (removable.contains(page.mid(start, end - start).toString().toLower()))
            return true;
    }
    return false;
}

// The document type declaration as the check takes it: the first "<!DOCTYPE" (any case, up to
// two blanks after the "<", which the check removes first) outside the kept texts, through the
// next ">" outside them or the end of a comment or block. A ">" inside a quoted value ends
// nothing. The check moves it to the front of a page without an html tag, and its kept texts
// go along. Empty (begin == end) when there is none.
struct Span {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool holds(qsizetype at) const { return at >= begin && at < end; }
};
inline Span docTypeSpan(QStringView page, const QList<KeptText>& kept) {
    qsizetype k = 0;
    qsizetype i = 0;
    qsizetype begin = -1;
    while (i < page.size() && begin < 0) {
        if (k < kept.size() && kept[k].at == i) {
            i += kept[k++].text.size();
            continue;
        }
        qsizetype bang = i + 1;
        while (page[i] == QLatin1Char('<') && bang < page.size() && bang - i <= 2 &&
               page[bang] == QLatin1Char(' '))
            ++bang;
        if (page[i] == QLatin1Char('<') && matchesIgnoreAsciiCaseAt(page, bang, u"!DOCTYPE"))
            begin = i;
        ++i;
    }
    if (begin < 0)
        return {};
    while (k < kept.size() && kept[k].at < begin)
        ++k;
    for (i = begin + 1; i < page.size(); ++i) {
        if (k < kept.size() && kept[k].at == i) {
            const KeptText& t = kept[k++];
            if (!t.value)
                return {begin, i + t.text.size()};
            i += t.text.size() - 1;
        } else if (page[i] == QLatin1Char('>')) {
            return {begin, i + 1};
        }
    }
    return {};
}

// Empty when the kept texts in the list `kept` stand in `after`, unchanged and in
// order; else what went missing. A value that may go with its element may be gone; where it stays,
// it stands before the next text that must stay.
inline QString missingInOrder(const QList<KeptText>& kept, QStringView after) {
    auto mayGo = [](const KeptText& k) { return k.mayGo; };
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

// Empty when every kept text that must stay stands in `after` unchanged, as often as in
// the page, in any order.
inline QString missingAnywhere(const QList<KeptText>& kept, QStringView after) {
    QHash<QString, qsizetype> needed;
    for (const KeptText& k : kept)
        if (!k.mayGo)
            ++needed[k.text.toString()];
    for (auto it = needed.cbegin(); it != needed.cend(); ++it) {
        qsizetype found = 0;
        for (qsizetype at = after.indexOf(it.key()); at >= 0 && found < it.value();
             at = after.indexOf(it.key(), at + it.key().size()))
            ++found;
        if (found < it.value())
            return QStringLiteral("%1 of %2 times: %3")
                .arg(found)
                .arg(it.value())
                .arg(it.key().left(200));
    }
    return {};
}

// Empty when every kept text of `before` stands in `after` unchanged, and in the same order
// apart from those in the document type declaration, which may move to the front together.
// Where a page holds more than one declaration-like text, which one the check moves is its
// own rule; there only the texts themselves must all come back, in any order.
inline QString missing(QStringView before, QStringView after) {
    const QList<KeptText> kept = find(before);
    const Span docType = docTypeSpan(before, kept);
    QList<KeptText> inDocType;
    QList<KeptText> rest;
    for (const KeptText& k : kept)
        (docType.holds(k.at) ? inDocType : rest).append(k);
    const QString lost = missingInOrder(rest, after);
    const QString result = lost.isEmpty() ? missingInOrder(inDocType, after) : lost;
    if (result.isEmpty() || before.indexOf(u"<!doctype", 0, Qt::CaseInsensitive) ==
                                before.lastIndexOf(u"<!doctype", -1, Qt::CaseInsensitive))
        return result;
    return missingAnywhere(kept, after);
}

} // namespace keptTexts
