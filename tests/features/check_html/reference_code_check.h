#pragma once

// A reference model of the code check: its steps written out plainly, with 1-based positions,
// one insertion or replacement at a time, the editor re-read after every removal. Slow on
// purpose; the tests and the fuzzers hold the one-pass implementation against it on small
// inputs. The steps run on the text with its protected texts masked (the implementation's
// ProtectedTexts, which the property tests judge on their own).

#include "features/check_html/protected_texts.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/text/text_rules.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <string>

// Failures show the texts, with line breaks made visible.
inline std::string shown(const QString& text) {
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("<CRLF>")).toStdString();
}

// Calls between the model's steps are qualified: the one-pass steps of the same names would
// otherwise be found too, through their QString arguments.
namespace referenceCodeCheck {

// The message line that opens the closing report.
constexpr int CodeCheckFinishedLine = 32;

inline QChar lower(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + 32) : c;
}

inline bool matchAt(const QString& t, int i, const QString& p, bool ignoreCase) {
    if (i < 0 || i + p.size() > t.size())
        return false;
    for (int k = 0; k < p.size(); ++k) {
        const QChar a = t[i + k];
        const QChar b = p[k];
        if (ignoreCase ? lower(a) != lower(b) : a != b)
            return false;
    }
    return true;
}

// The 1-based position of p at or after 1-based `from`, 0 when absent.
inline int find(const QString& t, const QString& p, int from, bool ignoreCase = true) {
    for (int i = qMax(from, 1) - 1; i + p.size() <= t.size(); ++i)
        if (matchAt(t, i, p, ignoreCase))
            return i + 1;
    return 0;
}

inline QString replaceAll(const QString& t, const QString& x, const QString& y,
                          bool ignoreCase = true) {
    QString out;
    int i = 0;
    while (i < t.size()) {
        if (matchAt(t, i, x, ignoreCase)) {
            out += y;
            i += int(x.size());
        } else {
            out += t[i++];
        }
    }
    return out;
}

inline bool isBlank(QChar c) {
    return c.unicode() <= 0x20;
}

inline QString trim(const QString& t) {
    int b = 0;
    int e = int(t.size());
    while (b < e && isBlank(t[b]))
        ++b;
    while (e > b && isBlank(t[e - 1]))
        --e;
    return t.mid(b, e - b);
}

// Whether the 1-based position holds the ">" that ends a placeholder: U+FDD1 "-->".
inline bool closesPlaceholder(const QString& t, int gt) {
    return gt >= 4 && t[gt - 1] == QLatin1Char('>') && t.mid(gt - 4, 3) == QStringView(u"\uFDD1--");
}

// Attribute quoting: "=" after "<body", only inside a tag.
inline bool insideTag(const QString& t, int equals) {
    for (int i = equals - 1; i >= 1; --i) {
        if (t[i - 1] == QLatin1Char('<'))
            return true;
        if (t[i - 1] == QLatin1Char('>'))
            return false;
    }
    return false;
}

inline QString quoteAttributes(QString t) {
    int S = find(t, QStringLiteral("<body"), 1);
    if (S == 0)
        S = 1;
    for (;;) {
        int p = 0;
        for (int i = S; i <= t.size(); ++i) {
            if (t[i - 1] == QLatin1Char('=') && insideTag(t, i)) {
                p = i;
                break;
            }
        }
        if (p == 0)
            return t;
        if (p + 1 <= t.size() && t[p] == QLatin1Char('"')) {
            const int q = find(t, QStringLiteral("\""), p + 2, false);
            if (q == 0)
                return t;
            S = q + 2;
            continue;
        }
        t.insert(p, QLatin1Char('"'));
        for (int k = 1; k <= 300; ++k) {
            const int at = p + 1 + k;
            if (at > t.size())
                break;
            const QChar c = t[at - 1];
            if (c == QLatin1Char('"'))
                break;
            if (c == QLatin1Char(' ') || c == QLatin1Char('>')) {
                if (!(c == QLatin1Char('>') && closesPlaceholder(t, at)))
                    t.insert(at - 1, QStringLiteral("\" "));
                break;
            }
        }
        S = S + 2;
    }
}

inline QString normalizeTag(const QString& s) {
    const int gt = int(s.indexOf(QLatin1Char('>')));
    if (gt < 0)
        return {};
    QString tag = s.left(gt + 1);
    QStringList values;
    QList<int> starts;
    int pos = 0;
    for (int k = 0; k <= 10; ++k) {
        int start = 0;
        const int a = int(tag.indexOf(QStringLiteral("=\""), pos));
        if (a >= 0) {
            start = a + 2;
        } else {
            const int b = int(tag.indexOf(QLatin1Char('='), pos));
            if (b < 0)
                break;
            start = b + 1;
        }
        int end = int(tag.indexOf(QLatin1Char('"'), start));
        if (end < 0)
            end = int(tag.indexOf(QLatin1Char(' '), start));
        if (end < 0)
            break;
        values << tag.mid(start, end - start);
        starts << start;
        const QString placeholder = QStringLiteral("param") + QString::number(k);
        tag.replace(start, end - start, placeholder);
        pos = start + int(placeholder.size());
    }
    tag = asciiLower(tag);
    // Each value goes back where it stood: the first "Param" + k may be the tag's own text,
    // or lie inside a value already put back, and the value would land there instead.
    for (qsizetype k = values.size() - 1; k >= 0; --k)
        tag.replace(starts[k], QStringLiteral("param%1").arg(k).size(), values[k]);
    return tag;
}

inline QString normalizeTags(QString t) {
    int S = 1;
    for (;;) {
        const int lt = find(t, QStringLiteral("<"), S, false);
        if (lt == 0)
            return t;
        QString T = referenceCodeCheck::normalizeTag(t.mid(lt - 1));
        if (T.isEmpty())
            return t;
        const int N = int(T.size());
        const QString first = T.left(4);
        if ((first.contains(QLatin1String("<br")) || first.contains(QLatin1String("<hr")) ||
             first == QLatin1String("<img") || first == QLatin1String("<inp")) &&
            !T.endsWith(QLatin1String("/>")) && !closesPlaceholder(T, N))
            T.replace(T.indexOf(QLatin1Char('>')), 1, QStringLiteral(" />"));
        t.replace(lt - 1, N, T);
        S = qMax(lt - 1, 1) + N;
    }
}

inline const QList<QPair<QString, QString>>& replacementTable() {
    static const QList<QPair<QString, QString>> rows{
        {"<br>", "<br />"},
        {" >", ">"},
        {"<o:p>", ""},
        {"<tr>&nbsp;</tr>", ""},
        {"<strong></strong>", ""},
        {"<strong>\r\n</strong>", ""},
        {"<strong>&nbsp;</strong>", "&nbsp;"},
        {"<strong><br></strong>", "<br />"},
        {"<strong><br /></strong>", "<br />"},
        {"<strong><strong>", "<strong>"},
        {"<strong> <strong>", "<strong>"},
        {"<b></b>", ""},
        {"<b>&nbsp;</b>", "&nbsp;"},
        {"<b><br /></b>", "<br />"},
        {"<b><br></b>", "<br />"},
        {"<b>\r\n</b>", ""},
        {"<i></i>", ""},
        {"<i>&nbsp;</i>", "&nbsp;"},
        {"<i><br></i>", "<br />"},
        {"<i><br /></i>", "<br />"},
        {"<i>\r\n</i>", ""},
        {"<u></u>", ""},
        {"<u>&nbsp;</u>", "&nbsp;"},
        {"<u><br /></u>", "<br />"},
        {"<u><br></u>", "<br />"},
        {"<u>\r\n</u>", "<br />"},
        {"<<", "<"},
        {">>", ">"},
        {"< <", "<"},
        {"> >", ">"},
    };
    return rows;
}

inline bool isBreakInsideTag(const QString& t, int p) {
    const int a = find(t, QStringLiteral("<"), p, false);
    const int b = find(t, QStringLiteral(">"), p, false);
    if (b == 0)
        return true;
    if (a == 0)
        return false;
    return b < a;
}

inline QString joinLines(QString t) {
    int S = 1;
    for (;;) {
        const int p = find(t, QStringLiteral("\r\n"), S, false);
        if (p == 0)
            return t;
        if (referenceCodeCheck::isBreakInsideTag(t, p))
            t.replace(p - 1, 2, QStringLiteral(" "));
        S = p + 2;
    }
}

inline QString repairSkeleton(QString t) {
    if (find(t, "<html", 1) == 0) {
        const QString d = findDocType(t);
        const int at = d.isEmpty() ? 0 : find(t, d, 1);
        if (at > 0)
            t.remove(at - 1, d.size());
        t = d + "\r\n<html>" + t;
    }
    if (find(t, "</html>", 1) == 0)
        t += "</html>";
    if (find(t, "<head>", 1) == 0) {
        const int at = find(t, "<html>", 1);
        if (at > 0)
            t.insert(at - 1 + 6, "\r\n<head>");
    }
    if (find(t, "</head>", 1) == 0) {
        const int at = find(t, "<body", 1);
        const int head = find(t, "<head>", 1);
        const int html = find(t, "<html", 1);
        const int htmlEnd = html > 0 ? find(t, ">", html, false) : 0;
        if (at > 0)
            t.insert(at - 1, "\r\n</head>\r\n");
        else if (head > 0)
            t.insert(head - 1 + 6, "\r\n</head>\r\n<body>");
        else if (htmlEnd > 0)
            t.insert(htmlEnd, "\r\n<head>\r\n</head>\r\n<body>");
    }
    if (find(t, "<body", 1) == 0) {
        const int at = find(t, "</head>", 1);
        if (at > 0)
            t.insert(at - 1 + 7, "\r\n<body>");
    }
    if (find(t, "</body>", 1) == 0) {
        const int at = find(t, "</html>", 1);
        if (at > 0)
            t.insert(at - 1, "\r\n</body>");
    }
    return t;
}

inline QString disableTag(int position, const QString& pattern, QString t) {
    const int at = find(t, pattern, qMax(position - 1, 1));
    if (at == 0)
        return t;
    QString by = pattern;
    if (pattern.contains(QLatin1String("</")))
        by.fill(QLatin1Char(' '));
    else
        by[1] = QLatin1Char('!');
    t.replace(at - 1, pattern.size(), by);
    return t;
}

// The report's message lines.
constexpr int ClosingMissingLine = 12;
constexpr int ForLine = 13;
constexpr int MissingLine = 14;
constexpr int RedundantLine = 16;
constexpr int DeletedLine = 17;

inline QString checkTagBalance(const QString& open, const QString& close, QString t,
                               const MessageTable& m, QString& report) {
    QList<int> opens;
    QList<int> closes;
    for (int at = find(t, open, 1); at > 0; at = find(t, open, at + int(open.size())))
        opens << at;
    for (int at = find(t, close, 1); at > 0; at = find(t, close, at + int(close.size())))
        closes << at;
    if (opens.size() == closes.size())
        return t;
    QList<int> match(opens.size(), -1);
    QList<bool> taken(closes.size(), false);
    for (int i = int(opens.size()) - 1; i >= 0; --i) {
        for (int j = 0; j < closes.size(); ++j) {
            if (!taken[j] && closes[j] > opens[i]) {
                match[i] = j;
                taken[j] = true;
                break;
            }
        }
    }
    QString lines;
    for (int i = 0; i < opens.size(); ++i) {
        if (match[i] >= 0)
            continue;
        t = referenceCodeCheck::disableTag(opens[i], open, t);
        lines += "\r\n" + m.message(ForLine) + " " + open + " " + m.message(ClosingMissingLine);
    }
    if (opens.size() > closes.size())
        lines += "\r\n" + QString::number(opens.size() - closes.size()) + close + " " +
                 m.message(MissingLine);
    if (closes.size() > opens.size()) {
        int count = 0;
        for (int j = 0; j < closes.size(); ++j) {
            if (!taken[j]) {
                t = referenceCodeCheck::disableTag(closes[j], close, t);
                ++count;
            }
        }
        lines += "\r\n" + QString::number(count) + m.message(RedundantLine) + close +
                 m.message(DeletedLine);
    }
    if (!isBlankText(lines))
        report += lines;
    return t;
}

inline const QList<QPair<QString, QString>>& balancedPairs() {
    static const QList<QPair<QString, QString>> pairs{
        {"<div", "</div>"},      {"<span", "</span>"},      {"<table", "</table>"},
        {"<tr", "</tr>"},        {"<td", "</td>"},          {"<font", "</font>"},
        {"<a ", "</a>"},         {"<strong>", "</strong>"}, {"<b>", "</b>"},
        {"<i>", "</i>"},         {"<em>", "</em>"},         {"<b>", "</b>"},
        {"<tbody", "</tbody>"},  {"<sup>", "</sup>"},       {"<sub>", "</sub>"},
        {"<del>", "</del>"},     {"<strike>", "</strike>"}, {"<u>", "</u>"},
        {"<small>", "</small>"},
    };
    return pairs;
}

inline QString correctMaskedMarkup(const QString& masked, const MessageTable& m, QString& report) {
    const QString d = findDocType(masked);
    QString t = masked;
    for (int pass = 0; pass < 2; ++pass) {
        t = replaceAll(t, "< ", "<");
        t = replaceAll(t, " >", ">");
    }
    t = replaceAll(t, "<a  href", "<a href");
    t = replaceAll(t, "<a  name", "<a name");
    t = quoteAttributes(t);
    t = referenceCodeCheck::normalizeTags(t);
    t = replaceAll(t, "&NBSP;", "&nbsp;", false);
    for (const auto& row : replacementTable())
        t = replaceAll(t, row.first, row.second);
    t = joinLines(t);
    t = referenceCodeCheck::repairSkeleton(t);
    for (const auto& pair : balancedPairs())
        t = referenceCodeCheck::checkTagBalance(pair.first, pair.second, t, m, report);
    t = replaceAll(t, "> <", "><");
    if (!trim(d).isEmpty()) {
        const int at = find(t, d, 1);
        if (at > 0)
            t.replace(at - 1, d.size(), d);
    } else {
        t = "<!DOCTYPE html>\r\n" + t;
    }
    return t;
}

inline QString correctMarkup(const QString& text, const MessageTable& m, QString& report) {
    ProtectedTexts shield;
    return shield.restore(referenceCodeCheck::correctMaskedMarkup(shield.mask(text), m, report));
}

// Through the editor's selection, re-reading its text after every removal.
inline int removeEmptyElements(EditorBuffer& editor, const QString& open, const QString& close) {
    const int L = int(editor.text().size());
    int S = 0;
    int count = 0;
    for (;;) {
        S += 3;
        const QString t = editor.text();
        const int P = find(t, open, S);
        if (P == 0)
            break;
        S = P - 1;
        const int gt = find(t, ">", P, false);
        if (gt > 0) {
            const int c = find(t, close, gt + 1);
            if (c > 0) {
                const QString C = trim(t.mid(gt, c - gt - 1));
                if (C.isEmpty() || C == QLatin1String("&nbsp") || C == QLatin1String("&nbsp;")) {
                    editor.setSelStart(P - 1);
                    editor.setSelLength(c + int(close.size()) - P);
                    editor.setSelText(C);
                    ++count;
                }
            }
        }
        if (!(S < L))
            break;
    }
    return count;
}

inline const QList<QPair<QString, QString>>& emptiedKinds() {
    static const QList<QPair<QString, QString>> kinds{
        {"<font", "</font>"}, {"<blockquote", "</blockquote>"},
        {"<span", "</span>"}, {"<strike", "</strike>"},
        {"<a href", "</a>"},  {"<h1", "</h1>"},
        {"<h2", "</h2>"},     {"<h3", "</h3>"},
        {"<h4", "</h4>"},     {"<h5", "</h5>"},
        {"<h6", "</h6>"},
    };
    return kinds;
}

// From the first "<body" on, each disabled div, span, table, tr or td tag followed by a blank,
// ">" or "/" gets its name back, and "<!CheckThis>" after its next ">" unless a marker (or a
// marker's placeholder) stands there already.
inline QString flagDisabledBlockTags(QString t, const ProtectedTexts& shield) {
    static const QList<QPair<QString, QString>> forms{
        {"<!iv", "<div"}, {"<!pan", "<span"}, {"<!able", "<table"}, {"<!r", "<tr"}, {"<!d", "<td"}};
    int S = find(t, "<body", 1);
    if (S == 0)
        return t;
    for (;;) {
        const int at = find(t, "<!", S, false);
        if (at == 0)
            return t;
        S = at + 1;
        for (const auto& form : forms) {
            const int end = at + int(form.first.size());
            if (!matchAt(t, at - 1, form.first, false) || end > t.size())
                continue;
            const QChar next = t[end - 1];
            if (!(isBlank(next) || next == QLatin1Char('>') || next == QLatin1Char('/')))
                continue;
            t.replace(at - 1, form.first.size(), form.second);
            const int gt = find(t, ">", at + int(form.second.size()), false);
            S = at + int(form.second.size());
            if (gt == 0)
                break;
            S = gt + 1;
            if (!matchAt(t, gt, "<!CheckThis>", true) && !shield.isMarkerAt(t, gt)) {
                t.insert(gt, "<!CheckThis>");
                S += 12;
            }
            break;
        }
    }
}

// What the whole check makes of a text before the generator element goes in.
struct WholeCheck {
    QString text;
    QString report;
    int emptyCount = 0;
};

inline WholeCheck checkHtmlText(const QString& text, const MessageTable& m) {
    WholeCheck result;
    ProtectedTexts shield;
    MemoryBuffer editor(
        referenceCodeCheck::correctMaskedMarkup(shield.mask(text), m, result.report));
    for (const auto& kind : emptiedKinds())
        result.emptyCount +=
            referenceCodeCheck::removeEmptyElements(editor, kind.first, kind.second);
    result.text =
        shield.restore(trim(referenceCodeCheck::flagDisabledBlockTags(editor.text(), shield)));
    return result;
}

} // namespace referenceCodeCheck
