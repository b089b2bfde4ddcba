#include "features/tables/element_locator.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/messages.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_search.h"

namespace {

constexpr int AtTextStartMessage = 19;

ElementTags makeTags(const char* open, const char* close) {
    return {QLatin1String(open), QLatin1String(close)};
}

// The first occurrence at or after a start that only grows, remembered between calls so the
// nested-element loop scans each stretch of text once.
class ForwardFinder {
public:
    ForwardFinder(QStringView text, QStringView pattern) : m_text(text), m_pattern(pattern) {}

    // Index of the first occurrence at or after from that begins at or before lastStart, -1 if
    // none. A bounded search that fails looks no further than lastStart.
    qsizetype firstFrom(qsizetype from, qsizetype lastStart = -1) {
        const qsizetype end =
            lastStart < 0 ? m_text.size() : qMin(m_text.size(), lastStart + m_pattern.size());
        if (m_found < from)
            m_found = indexOfIgnoreAsciiCase(m_text.first(end), m_pattern, from);
        return lastStart < 0 || m_found <= lastStart ? m_found : -1;
    }

private:
    QStringView m_text;
    QStringView m_pattern;
    qsizetype m_found = -1;
};

} // namespace

const ElementTags& cellTags() {
    static const ElementTags tags = makeTags("<td", "</td>");
    return tags;
}
const ElementTags& rowTags() {
    static const ElementTags tags = makeTags("<tr", "</tr>");
    return tags;
}
const ElementTags& tableTags() {
    static const ElementTags tags = makeTags("<table", "</table>");
    return tags;
}
const ElementTags& formTags() {
    static const ElementTags tags = makeTags("<form", "</form>");
    return tags;
}
const ElementTags& divTags() {
    static const ElementTags tags = makeTags("<div", "</div>");
    return tags;
}
const ElementTags& spanTags() {
    static const ElementTags tags = makeTags("<span", "</span>");
    return tags;
}
const ElementTags& blockTags(int itemIndex) {
    return itemIndex <= 0 ? divTags() : spanTags();
}

SelectionKind selectionKindOf(QStringView openTag) {
    if (equalsIgnoreAsciiCase(openTag, u"<td"))
        return SelectionKind::Cell;
    if (equalsIgnoreAsciiCase(openTag, u"<tr") || equalsIgnoreAsciiCase(openTag, u"<table"))
        return SelectionKind::RowOrTable;
    return SelectionKind::None;
}

ElementLocation LocateEnclosingElement(QStringView text, int selStart, QStringView openTag,
                                       QStringView closeTag) {
    // Nested tables are skipped inside cells, rows, tables and forms; nested elements of the
    // same kind inside DIV and SPAN.
    const bool block =
        equalsIgnoreAsciiCase(openTag, u"<div") || equalsIgnoreAsciiCase(openTag, u"<span");
    const QStringView nestOpen = block ? openTag : QStringView(u"<table");
    const QStringView nestClose = block ? closeTag : QStringView(u"</table");

    const qsizetype S = qBound(0, selStart, int(text.size()));
    const qsizetype L = openTag.size();
    const QStringView closeHead = closeTag.left(L + 1);
    // Positions below 1 read from position 1, keeping the piece's full length.
    auto closeHeadAt = [&](qsizetype p) {
        const qsizetype i = indexOfPosition(qMax<qsizetype>(p, 1));
        return i + closeHead.size() <= S && matchesIgnoreAsciiCaseAt(text, i, closeHead);
    };
    auto openTagAt = [&](qsizetype p) {
        return matchesIgnoreAsciiCaseAt(text, indexOfPosition(qMax<qsizetype>(p, 1)), openTag);
    };

    // Backward scan: the caret's own position first, then from S-L down to 1-L. A closing tag
    // counts only when it lies wholly in front of the caret.
    qsizetype found = 0;
    bool any = false;
    if (openTagAt(S + 1)) {
        found = S + 1;
        any = true;
    } else {
        // Both tags begin with "<" in every use: other positions are passed over at once.
        const bool sameFirst = !openTag.isEmpty() && !closeHead.isEmpty() &&
                               foldAs<CaseRule::Ascii>(openTag[0].unicode()) ==
                                   foldAs<CaseRule::Ascii>(closeHead[0].unicode());
        const char16_t first = sameFirst ? foldAs<CaseRule::Ascii>(openTag[0].unicode()) : 0;
        qsizetype depth = 0;
        for (qsizetype p = S - L; p >= 1 - L; --p) {
            if (sameFirst && foldAs<CaseRule::Ascii>(
                                 text[indexOfPosition(qMax<qsizetype>(p, 1))].unicode()) != first)
                continue;
            if (closeHeadAt(p))
                ++depth;
            if (openTagAt(p)) {
                if (depth == 0) {
                    found = p;
                    any = true;
                    break;
                }
                --depth;
            }
        }
    }
    if (!any)
        return {};
    const qsizetype F = found - 1;
    if (F < 1)
        return {ElementLocation::Outcome::AtTextStart, 0, 0};

    // E is the 1-based position just after the closing tag, 0 while none is known.
    const qsizetype n = text.size();
    qsizetype E = 0;
    ForwardFinder closeFinder(text, closeTag);
    if (const qsizetype b = closeFinder.firstFrom(indexOfPosition(F)); b >= 0)
        E = positionOfIndex(b) + closeTag.size();

    // Nested elements that follow one another inside the element, one level deep. Every search
    // start K only grows, so each finder moves forward through the text once instead of
    // scanning the same stretch again for every nested element.
    if (E > 0) {
        ForwardFinder nestOpenFinder(text, nestOpen);
        ForwardFinder nestCloseFinder(text, nestClose);
        qsizetype K = F + L;
        do {
            // Only whether a nested opening tag begins between K and E matters.
            const qsizetype from = indexOfPosition(K);
            if (nestOpenFinder.firstFrom(from, indexOfPosition(E)) < 0)
                break;
            const qsizetype c = nestCloseFinder.firstFrom(from);
            if (c < 0)
                break;
            K = positionOfIndex(c) + 4;
            const qsizetype b = closeFinder.firstFrom(indexOfPosition(K));
            if (b < 0)
                break;
            E = positionOfIndex(b) + closeTag.size();
        } while (E < n);
    }

    ElementLocation location{ElementLocation::Outcome::Found, int(F), 0};
    location.length = E > 0 ? int(E - F - 1) : int(n - F);
    return location;
}

SelectionKind SelectEnclosingElement(EditorBuffer& editor, Prompter& prompter,
                                     const MessageTable& messages, const QString& OpenTag,
                                     const QString& CloseTag) {
    const QString text = editor.text();
    const ElementLocation at = LocateEnclosingElement(text, editor.selStart(), OpenTag, CloseTag);
    switch (at.outcome) {
    case ElementLocation::Outcome::NotFound:
        return SelectionKind::None;
    case ElementLocation::Outcome::AtTextStart:
        prompter.message(messages.message(AtTextStartMessage));
        return SelectionKind::None;
    case ElementLocation::Outcome::Found:
        break;
    }
    editor.setSelStart(at.start);
    editor.setSelLength(at.length);
    return selectionKindOf(OpenTag);
}

SelectionKind SelectEnclosingElement(const CommandContext& context, const ElementTags& tags) {
    return SelectEnclosingElement(context.editor, context.prompter, context.messages, tags.openTag,
                                  tags.closeTag);
}
