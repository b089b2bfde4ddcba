#include "features/check_html/correct_markup.h"

#include "features/check_html/attribute_quoting.h"
#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/normalize_tag.h"
#include "features/check_html/tag_balance.h"
#include "foundation/markup/doctype.h"
#include "foundation/markup/protected_blocks.h"
#include "foundation/text/case_rules.h"

namespace {

struct Replacement {
    QStringView find;
    QStringView by;
};

// The clean-up table: empty or doubled inline formatting and doubled brackets. Each row is a
// pass of its own, so a row can match what an earlier row left.
constexpr Replacement ReplacementTable[] = {
    {u"<br>", u"<br />"},
    {u" >", u">"},
    {u"<o:p>", u""},
    {u"<tr>&nbsp;</tr>", u""},
    {u"<strong></strong>", u""},
    {u"<strong>\r\n</strong>", u""},
    {u"<strong>&nbsp;</strong>", u"&nbsp;"},
    {u"<strong><br></strong>", u"<br />"},
    {u"<strong><br /></strong>", u"<br />"},
    {u"<strong><strong>", u"<strong>"},
    {u"<strong> <strong>", u"<strong>"},
    {u"<b></b>", u""},
    {u"<b>&nbsp;</b>", u"&nbsp;"},
    {u"<b><br /></b>", u"<br />"},
    {u"<b><br></b>", u"<br />"},
    {u"<b>\r\n</b>", u""},
    {u"<i></i>", u""},
    {u"<i>&nbsp;</i>", u"&nbsp;"},
    {u"<i><br></i>", u"<br />"},
    {u"<i><br /></i>", u"<br />"},
    {u"<i>\r\n</i>", u""},
    {u"<u></u>", u""},
    {u"<u>&nbsp;</u>", u"&nbsp;"},
    {u"<u><br /></u>", u"<br />"},
    {u"<u><br></u>", u"<br />"},
    {u"<u>\r\n</u>", u"<br />"},
    {u"<<", u"<"},
    {u">>", u">"},
    {u"< <", u"<"},
    {u"> >", u">"},
};

// The kinds the balance check pairs, in order; "<b>" twice, since the first run can leave
// surplus closing tags that only a second run sees as the surplus.
constexpr TagPair BalancedPairs[] = {
    {u"<div", u"</div>"},      {u"<span", u"</span>"},      {u"<table", u"</table>"},
    {u"<tr", u"</tr>"},        {u"<td", u"</td>"},          {u"<font", u"</font>"},
    {u"<a ", u"</a>"},         {u"<strong>", u"</strong>"}, {u"<b>", u"</b>"},
    {u"<i>", u"</i>"},         {u"<em>", u"</em>"},         {u"<b>", u"</b>"},
    {u"<tbody", u"</tbody>"},  {u"<sup>", u"</sup>"},       {u"<sub>", u"</sub>"},
    {u"<del>", u"</del>"},     {u"<strike>", u"</strike>"}, {u"<u>", u"</u>"},
    {u"<small>", u"</small>"},
};

QString insertAt(const QString& text, qsizetype at, QStringView what) {
    QString out;
    out.reserve(text.size() + what.size());
    out.append(QStringView(text).left(at));
    out.append(what);
    out.append(QStringView(text).mid(at));
    return out;
}

bool lacks(const QString& text, QStringView pattern) {
    return indexOfIgnoreAsciiCase(text, pattern) < 0;
}

} // namespace

bool isBreakInsideTag(QStringView text, qsizetype position) {
    const qsizetype lt = text.indexOf(QLatin1Char('<'), position);
    const qsizetype gt = text.indexOf(QLatin1Char('>'), position);
    return gt < 0 || (lt >= 0 && gt < lt);
}

namespace {

void removeSpacesInTagBrackets(MarkupText& text) {
    for (int pass = 0; pass < 2; ++pass) {
        text.replaceAll(u"< ", u"<");
        text.replaceAll(u" >", u">");
    }
}

void applyReplacementTable(MarkupText& text) {
    for (const Replacement& row : ReplacementTable)
        text.replaceAll(row.find, row.by);
}

void joinLinesInsideTags(MarkupText& text) {
    const QStringView view(text.text());
    const MarkupText::Positions& openings = text.openings();
    const MarkupText::Positions& closings = text.closings();
    size_t nextOpening = 0;
    size_t nextClosing = 0;
    std::vector<MarkupText::Edit> edits;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = view.indexOf(QLatin1Char('\r'), from);
        if (at < 0 || at + 1 >= view.size())
            break;
        if (view[at + 1] != QLatin1Char('\n')) {
            from = at + 1;
            continue;
        }
        while (nextOpening < openings.size() && openings[nextOpening] < at)
            ++nextOpening;
        while (nextClosing < closings.size() && closings[nextClosing] < at)
            ++nextClosing;
        // No ">" after the break: inside; a ">" but no "<" after it: outside; else the nearer.
        const bool inside =
            nextClosing == closings.size() ||
            (nextOpening < openings.size() && closings[nextClosing] < openings[nextOpening]);
        if (!inside) {
            from = at + 2;
            continue;
        }
        edits.push_back({at, 2, u" "});
        // The search goes on two characters after the blank: the character that followed the
        // break is passed over.
        from = at + 3;
    }
    text.apply(edits);
}

} // namespace

QString removeSpacesInTagBrackets(const QString& text) {
    MarkupText markup(text);
    removeSpacesInTagBrackets(markup);
    return markup.takeText();
}

QString joinLinesInsideTags(const QString& text) {
    MarkupText markup(text);
    joinLinesInsideTags(markup);
    return markup.takeText();
}

QString applyReplacementTable(const QString& text) {
    MarkupText markup(text);
    applyReplacementTable(markup);
    return markup.takeText();
}

QString repairSkeleton(const QString& text) {
    QString result = text;
    if (lacks(result, u"<html")) {
        const QString docType = findDocType(result);
        if (!docType.isEmpty())
            result.remove(indexOfIgnoreAsciiCase(result, docType), docType.size());
        result = docType + QStringLiteral("\r\n<html>") + result;
    }
    if (lacks(result, u"</html>"))
        result += QStringLiteral("</html>");
    if (lacks(result, u"<head>")) {
        const qsizetype html = indexOfIgnoreAsciiCase(result, u"<html>");
        if (html >= 0)
            result = insertAt(result, html + 6, u"\r\n<head>");
    }
    if (lacks(result, u"</head>")) {
        const qsizetype body = indexOfIgnoreAsciiCase(result, u"<body");
        if (body >= 0)
            result = insertAt(result, body, u"\r\n</head>\r\n");
    }
    if (lacks(result, u"<body")) {
        const qsizetype head = indexOfIgnoreAsciiCase(result, u"</head>");
        if (head >= 0)
            result = insertAt(result, head + 7, u"\r\n<body>");
    }
    if (lacks(result, u"</body>")) {
        const qsizetype html = indexOfIgnoreAsciiCase(result, u"</html>");
        if (html >= 0)
            result = insertAt(result, html, u"\r\n</body>");
    }
    return result;
}

MarkupText correctMarkupText(const QString& text, const MessageTable& messages, QString& report) {
    const QString docType = findDocType(text);
    ProtectedBlockLists blocks;
    MarkupText markup(maskScriptAndStyle(text, blocks));
    removeSpacesInTagBrackets(markup);
    markup.replaceAll(u"<a  href", u"<a href");
    markup.replaceAll(u"<a  name", u"<a name");
    quoteAttributeValues(markup);
    normalizeTags(markup);
    for (qsizetype at = markup.text().indexOf(u"&NBSP;"); at >= 0;
         at = markup.text().indexOf(u"&NBSP;", at + 6))
        markup.overwrite(at, u"&nbsp;");
    applyReplacementTable(markup);
    joinLinesInsideTags(markup);
    markup.reset(repairSkeleton(restoreStyleAndScript(markup.text(), blocks)));
    checkTagBalances(BalancedPairs, markup, messages, report);
    markup.replaceAll(u"> <", u"><");
    // Normalising lowered the declaration; the remembered one gives its letters back.
    if (!trimBlank(docType).isEmpty()) {
        const qsizetype at = indexOfIgnoreAsciiCase(markup.text(), docType);
        if (at >= 0)
            markup.overwrite(at, docType);
    } else {
        markup.apply({{0, 0, u"<!DOCTYPE html>\r\n"}});
    }
    return markup;
}

QString correctMarkup(const QString& text, const MessageTable& messages, QString& report) {
    return correctMarkupText(text, messages, report).takeText();
}
