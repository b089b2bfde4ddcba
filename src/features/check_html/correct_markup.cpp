#include "features/check_html/correct_markup.h"

#include "features/check_html/attribute_quoting.h"
#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/normalize_tag.h"
#include "features/check_html/protected_texts.h"
#include "features/check_html/tag_balance.h"
#include "foundation/markup/doctype.h"
#include "foundation/text/case_rules.h"

#include <span>

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

// Returns how many "<br>" the first row closed as empty elements.
int applyReplacementTable(MarkupText& text) {
    const int closed = text.replaceAll(ReplacementTable[0].find, ReplacementTable[0].by);
    for (const Replacement& row : std::span(ReplacementTable).subspan(1))
        text.replaceAll(row.find, row.by);
    return closed;
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

namespace {

void repairSkeleton(MarkupText& text) {
    // Every pattern begins with "<": the bracket positions find it without reading the text.
    auto find = [&text](QStringView pattern) {
        return OpeningPatternCursor(text, pattern).next(0);
    };
    auto insert = [&text](qsizetype at, QStringView what) { text.apply({{at, 0, what}}); };
    if (find(u"<html") < 0) {
        const QString docType = findDocType(text.text());
        const QString front = docType + QStringLiteral("\r\n<html>");
        std::vector<MarkupText::Edit> edits{{0, 0, front}};
        if (!docType.isEmpty())
            edits.push_back({indexOfIgnoreAsciiCase(text.text(), docType), docType.size(), u""});
        text.apply(edits);
    }
    if (find(u"</html>") < 0)
        insert(text.text().size(), u"</html>");
    if (find(u"<head>") < 0) {
        const qsizetype html = find(u"<html>");
        if (html >= 0)
            insert(html + 6, u"\r\n<head>");
    }
    if (find(u"</head>") < 0) {
        const qsizetype body = find(u"<body");
        const qsizetype head = find(u"<head>");
        if (body >= 0) {
            insert(body, u"\r\n</head>\r\n");
        } else if (head >= 0) {
            // A fragment: nothing tells where a head would end, so the head stays empty and
            // the content goes into a body.
            insert(head + 6, u"\r\n</head>\r\n<body>");
        } else {
            // A fragment whose html tag has attributes: the head goes right after it.
            const size_t gt = text.firstClosingFrom(find(u"<html"));
            if (gt < text.closings().size())
                insert(text.closings()[gt] + 1, u"\r\n<head>\r\n</head>\r\n<body>");
        }
    }
    if (find(u"<body") < 0) {
        const qsizetype head = find(u"</head>");
        if (head >= 0)
            insert(head + 7, u"\r\n<body>");
    }
    if (find(u"</body>") < 0) {
        const qsizetype html = find(u"</html>");
        if (html >= 0)
            insert(html, u"\r\n</body>");
    }
}

} // namespace

QString repairSkeleton(const QString& text) {
    MarkupText markup(text);
    repairSkeleton(markup);
    return markup.takeText();
}

MarkupText correctMaskedMarkup(QString masked, const MessageTable& messages, QString& report,
                               MarkupChanges* changes, const std::function<void()>& stepDone) {
    MarkupChanges counted;
    auto done = [&stepDone] {
        if (stepDone)
            stepDone();
    };
    const QString docType = findDocType(masked);
    MarkupText markup(std::move(masked));
    removeSpacesInTagBrackets(markup);
    markup.replaceAll(u"<a  href", u"<a href");
    markup.replaceAll(u"<a  name", u"<a name");
    counted.quotedAttributes = quoteAttributeValues(markup);
    done();
    const TagNormalisation normalised = normalizeTags(markup);
    counted.loweredTags = normalised.lowered;
    counted.closedEmptyElements = normalised.closedEmpty;
    for (qsizetype at = markup.text().indexOf(u"&NBSP;"); at >= 0;
         at = markup.text().indexOf(u"&NBSP;", at + 6))
        markup.overwrite(at, u"&nbsp;");
    done();
    counted.closedEmptyElements += applyReplacementTable(markup);
    done();
    joinLinesInsideTags(markup);
    repairSkeleton(markup);
    done();
    checkTagBalances(BalancedPairs, markup, messages, report);
    markup.replaceAll(u"> <", u"><");
    // Normalising lowered the declaration; the remembered one gives its letters back.
    if (!trimBlank(docType).isEmpty()) {
        const qsizetype at = indexOfIgnoreAsciiCase(markup.text(), docType);
        if (at >= 0) {
            // A declaration given its letters back was not lowered after all.
            if (QStringView(markup.text()).mid(at, docType.size()) != docType &&
                counted.loweredTags > 0)
                --counted.loweredTags;
            markup.overwrite(at, docType);
        }
    } else {
        markup.apply({{0, 0, u"<!DOCTYPE html>\r\n"}});
    }
    done();
    if (changes)
        *changes = counted;
    return markup;
}

QString correctMarkup(const QString& text, const MessageTable& messages, QString& report) {
    ProtectedTexts protectedTexts;
    return protectedTexts.restore(
        correctMaskedMarkup(protectedTexts.mask(text), messages, report).takeText());
}
