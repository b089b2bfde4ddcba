#include "features/tables/element_locator.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
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
const ElementTags& blockTags(BlockElement element) {
    return element == BlockElement::Span ? spanTags() : divTags();
}

SelectionKind selectionKindOf(QStringView openTag) {
    if (equalsIgnoreAsciiCase(openTag, u"<td"))
        return SelectionKind::Cell;
    if (equalsIgnoreAsciiCase(openTag, u"<tr") || equalsIgnoreAsciiCase(openTag, u"<table"))
        return SelectionKind::RowOrTable;
    return SelectionKind::None;
}

ElementLocation locateEnclosingElement(QStringView text, int selStart, QStringView openTag,
                                       QStringView closeTag) {
    // Nested tables are skipped inside cells, rows, tables and forms; nested elements of the
    // same kind inside DIV and SPAN.
    const bool block =
        equalsIgnoreAsciiCase(openTag, u"<div") || equalsIgnoreAsciiCase(openTag, u"<span");
    const QStringView nestOpen = block ? openTag : QStringView(u"<table");
    const QStringView nestClose = block ? closeTag : QStringView(u"</table");

    // Positions are 1-based as the text search counts them; caret is an index.
    const qsizetype caret = qBound(0, selStart, int(text.size()));
    const qsizetype openLength = openTag.size();
    const QStringView closeHead = closeTag.left(openLength + 1);
    // Positions below 1 read from position 1, keeping the piece's full length.
    auto closeHeadAt = [&](qsizetype position) {
        const qsizetype i = indexOfPosition(qMax<qsizetype>(position, 1));
        return i + closeHead.size() <= caret && matchesIgnoreAsciiCaseAt(text, i, closeHead);
    };
    auto openTagAt = [&](qsizetype position) {
        return matchesIgnoreAsciiCaseAt(text, indexOfPosition(qMax<qsizetype>(position, 1)),
                                        openTag);
    };

    // Backward scan: the caret's own position first, then from caret - openLength down to
    // 1 - openLength. A closing tag counts only when it lies wholly in front of the caret.
    qsizetype openPosition = 0;
    bool openFound = false;
    if (openTagAt(caret + 1)) {
        openPosition = caret + 1;
        openFound = true;
    } else {
        // Both tags begin with "<" in every use: other positions are passed over at once.
        const bool sameFirst = !openTag.isEmpty() && !closeHead.isEmpty() &&
                               foldAs<CaseRule::Ascii>(openTag[0].unicode()) ==
                                   foldAs<CaseRule::Ascii>(closeHead[0].unicode());
        const char16_t first = sameFirst ? foldAs<CaseRule::Ascii>(openTag[0].unicode()) : 0;
        qsizetype depth = 0;
        for (qsizetype p = caret - openLength; p >= 1 - openLength; --p) {
            if (sameFirst && foldAs<CaseRule::Ascii>(
                                 text[indexOfPosition(qMax<qsizetype>(p, 1))].unicode()) != first)
                continue;
            if (closeHeadAt(p))
                ++depth;
            if (openTagAt(p)) {
                if (depth == 0) {
                    openPosition = p;
                    openFound = true;
                    break;
                }
                --depth;
            }
        }
    }
    if (!openFound)
        return {};
    // The editor offset of the "<"; read as a position, the searches below begin one
    // character in front of the tag.
    const qsizetype start = openPosition - 1;
    if (start < 1)
        return {ElementLocation::Outcome::AtTextStart, 0, 0};

    // The position just after the closing tag, 0 while none is known.
    const qsizetype size = text.size();
    qsizetype endPosition = 0;
    ForwardFinder closeFinder(text, closeTag);
    if (const qsizetype close = closeFinder.firstFrom(indexOfPosition(start)); close >= 0)
        endPosition = positionOfIndex(close) + closeTag.size();

    // Nested elements that follow one another inside the element, one level deep. The search
    // position only grows, so each finder moves forward through the text once instead of
    // scanning the same stretch again for every nested element.
    if (endPosition > 0) {
        ForwardFinder nestOpenFinder(text, nestOpen);
        ForwardFinder nestCloseFinder(text, nestClose);
        qsizetype searchPosition = start + openLength;
        do {
            // Only whether a nested opening tag begins before the end matters.
            const qsizetype from = indexOfPosition(searchPosition);
            if (nestOpenFinder.firstFrom(from, indexOfPosition(endPosition)) < 0)
                break;
            const qsizetype nestedClose = nestCloseFinder.firstFrom(from);
            if (nestedClose < 0)
                break;
            searchPosition = positionOfIndex(nestedClose) + 4;
            const qsizetype close = closeFinder.firstFrom(indexOfPosition(searchPosition));
            if (close < 0)
                break;
            endPosition = positionOfIndex(close) + closeTag.size();
        } while (endPosition < size);
    }

    ElementLocation location{ElementLocation::Outcome::Found, int(start), 0};
    location.length = endPosition > 0 ? int(endPosition - start - 1) : int(size - start);
    return location;
}

SelectionKind selectEnclosingElement(EditorBuffer& editor, Prompter& prompter,
                                     const MessageTable& messages, const QString& openTag,
                                     const QString& closeTag) {
    const QString text = editor.text();
    const ElementLocation at = locateEnclosingElement(text, editor.selStart(), openTag, closeTag);
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
    return selectionKindOf(openTag);
}

SelectionKind selectEnclosingElement(const CommandContext& context, const ElementTags& tags) {
    return selectEnclosingElement(context.editor, context.prompter, context.messages, tags.openTag,
                                  tags.closeTag);
}
