#include "features/tables/cell_merge.h"

#include "features/tables/table_edit.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_rules.h"
#include "foundation/text/text_search.h"
#include "foundation/text/whitespace.h"

#include <exception>

namespace {

constexpr int SelectCellsMessage = 40;
constexpr int AcrossTablesMessage = 41;
constexpr int MergeFailedMessage = 42;
constexpr int NoCellMessage = 50;

const QString CellOpen = QStringLiteral("<td");
const QString CellClose = QStringLiteral("</td>");

// Replaces every occurrence (ASCII folding) left to right, never searching inserted text.
QString replaceAllIgnoreAsciiCase(QStringView text, QStringView pattern, QStringView with) {
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    qsizetype found = indexOfIgnoreAsciiCase(text, pattern, pos);
    while (found >= 0) {
        out.append(text.mid(pos, found - pos)).append(with);
        pos = found + pattern.size();
        found = indexOfIgnoreAsciiCase(text, pattern, pos);
    }
    out.append(text.mid(pos));
    return out;
}

// Without the characters up to U+0020 at both ends.
QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

MergeOutcome mergeCellRange(const QString& selection) {
    MergeOutcome result;
    const int length = int(selection.size());
    // 1-based positions of the first cell's "<td" and of the ">" closing that tag.
    const int cellStart = findInText(selection, CellOpen, 1, length, false, false);
    const int tagClose =
        cellStart > 0 ? findInText(selection, u">", cellStart, length, false, false) : 0;
    if (cellStart <= 0 || tagClose <= 0) {
        result.messageLine = SelectCellsMessage;
        return result;
    }
    const qsizetype tagEnd = indexOfPosition(tagClose);
    const qsizetype last = lastIndexOfIgnoreAsciiCase(selection, CellClose, tagEnd);
    if (last < 0)
        return result;

    const QStringView inner = QStringView(selection).mid(tagEnd + 1, last - tagEnd - 1);
    if (indexOfIgnoreAsciiCase(inner, u"<table") >= 0) {
        result.messageLine = AcrossTablesMessage;
        return result;
    }
    const QString joined = replaceAllIgnoreAsciiCase(inner, CellClose, u" ");

    // Each search resumes where the removed tag stood, which in the unchanged text is just
    // behind its ">"; so the tags go in one pass.
    QString contents;
    contents.reserve(joined.size());
    qsizetype pos = 0;
    for (;;) {
        const qsizetype open = indexOfIgnoreAsciiCase(joined, CellOpen, pos);
        if (open < 0)
            break;
        ++result.spanCount;
        const qsizetype close = joined.indexOf(QLatin1Char('>'), open);
        if (close < 0)
            break;
        contents.append(QStringView(joined).mid(pos, open - pos));
        pos = close + 1;
    }
    contents.append(QStringView(joined).mid(pos));
    contents = replaceAllIgnoreAsciiCase(contents, u"<tr>", u"");
    contents = replaceAllIgnoreAsciiCase(contents, u"</tr>", u"");

    if (isBlankText(contents)) {
        result.messageLine = MergeFailedMessage;
        return result;
    }
    result.html = selection.left(tagClose) + contents + selection.mid(last);
    return result;
}

QString setCellSpan(const QString& html, SpanAttribute attribute, int spanCount) {
    const QString attr = attribute == SpanAttribute::Colspan ? QStringLiteral("colspan=")
                                                             : QStringLiteral("rowspan=");
    const QStringView head = trimBlanks(html).left(3);
    qsizetype start = 0;
    if (equalsIgnoreAsciiCase(head, u"<td"))
        start = 1;
    else if (equalsIgnoreAsciiCase(head, u"<tr"))
        // html is part of the editor's text, so the text is as long as the test there wants.
        start = findIgnoringCase(CellOpen, html, 1, html.size());
    if (start <= 0 && matchesIgnoreAsciiCaseAt(html, 0, CellOpen))
        start = 1;
    if (start <= 0)
        return html;

    const qsizetype tagStart = indexOfPosition(start);
    const qsizetype tagEnd = html.indexOf(QLatin1Char('>'), tagStart);
    if (tagEnd < 0)
        return html;
    const qsizetype attrAt = QStringView(html).mid(tagStart, tagEnd - tagStart + 1).indexOf(attr);
    if (attrAt < 0) {
        if (spanCount <= 1)
            return html;
        return html.left(tagEnd) + QLatin1Char(' ') + attr + QLatin1Char('"') +
               QString::number(spanCount) + QStringLiteral("\" ") + html.mid(tagEnd);
    }

    // Only the value itself is read: digits of the cell's content behind the tag would give a
    // wrong count and could be rewritten in place of it.
    qsizetype first = tagStart + attrAt + attr.size();
    if (first < html.size() &&
        (html[first] == QLatin1Char('"') || html[first] == QLatin1Char('\'')))
        ++first;
    qsizetype end = first;
    while (end < html.size() && isDigit(html[end]))
        ++end;
    if (end == first)
        return html;
    bool valid = false;
    const int old = QStringView(html).mid(first, end - first).toInt(&valid);
    qint64 span = valid ? qint64(old) - 1 + spanCount : spanCount;
    if (span < 1)
        span = 1;
    return html.left(first) + QString::number(span) + html.mid(end);
}

void mergeSelectedCells(const CommandContext& context) {
    EditorBuffer& editor = context.editor;
    const QString selected = editor.selText();
    // A blank selection fails as it stands, so it is not collapsed first: a failed merge
    // leaves the selection as it was.
    if (isBlankText(selected)) {
        context.prompter.error(context.messages.message(SelectCellsMessage));
        return;
    }
    const int selStart = editor.selStart();
    MergeOutcome merged;
    try {
        merged = mergeCellRange(collapseWhitespace(selected));
        if (merged.messageLine == 0 && merged.spanCount > 1)
            merged.html = setCellSpan(merged.html, SpanAttribute::Colspan, merged.spanCount);
    } catch (const std::exception&) {
        merged = {QString(), 1, MergeFailedMessage};
    }
    if (merged.messageLine != 0) {
        context.prompter.error(context.messages.message(merged.messageLine));
        return;
    }
    if (!merged.html.isEmpty() && selStart > 0)
        editor.setSelText(merged.html);
}

void splitSelectedCell(const CommandContext& context) {
    EditorBuffer& editor = context.editor;
    const QString selected = editor.selText();
    if (isBlankText(selected)) {
        context.prompter.error(context.messages.message(NoCellMessage));
        return;
    }
    const QString out = setCellSpan(selected, SpanAttribute::Colspan, -1);
    const QStringView trimmed = trimBlanks(out);
    editor.setSelText(trimmed.toString());
    // A selected row keeps the caret inside it, in front of its "</tr>", also when the
    // selection ended with a line break.
    if (matchesIgnoreAsciiCaseAt(trimmed, trimmed.size() - 5, u"</tr>"))
        editor.setSelStart(editor.selStart() - 5);
    insertCell(context);
}
