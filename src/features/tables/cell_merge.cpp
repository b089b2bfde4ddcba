#include "features/tables/cell_merge.h"

#include "features/tables/table_edit.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/messages.h"
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

MergeOutcome MergeCellRange(const QString& Sel) {
    MergeOutcome result;
    const int length = int(Sel.size());
    const int b = findInText(Sel, CellOpen, 1, length, false, false);
    const int g = b > 0 ? findInText(Sel, u">", b, length, false, false) : 0;
    if (b <= 0 || g <= 0) {
        result.messageLine = SelectCellsMessage;
        return result;
    }
    const qsizetype tagEnd = indexOfPosition(g);
    const qsizetype last = lastIndexOfIgnoreAsciiCase(Sel, CellClose, tagEnd);
    if (last < 0)
        return result;

    const QStringView inner = QStringView(Sel).mid(tagEnd + 1, last - tagEnd - 1);
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
    result.html = Sel.left(g) + contents + Sel.mid(last);
    return result;
}

QString SetCellSpan(const QString& Html, bool IsColspan, int SpanCount) {
    const QString attr = IsColspan ? QStringLiteral("colspan=") : QStringLiteral("rowspan=");
    const QStringView head = trimBlanks(Html).left(3);
    qsizetype start = 0;
    if (equalsIgnoreAsciiCase(head, u"<td"))
        start = 1;
    else if (equalsIgnoreAsciiCase(head, u"<tr"))
        // Html is part of the editor's text, so the text is as long as the test there wants.
        start = findIgnoringCase(CellOpen, Html, 1, Html.size());
    if (start <= 0 && matchesIgnoreAsciiCaseAt(Html, 0, CellOpen))
        start = 1;
    if (start <= 0)
        return Html;

    const qsizetype tagStart = indexOfPosition(start);
    const qsizetype tagEnd = Html.indexOf(QLatin1Char('>'), tagStart);
    if (tagEnd < 0)
        return Html;
    const qsizetype a = QStringView(Html).mid(tagStart, tagEnd - tagStart + 1).indexOf(attr);
    if (a < 0) {
        if (SpanCount <= 1)
            return Html;
        return Html.left(tagEnd) + QLatin1Char(' ') + attr + QLatin1Char('"') +
               QString::number(SpanCount) + QStringLiteral("\" ") + Html.mid(tagEnd);
    }

    // Only the value itself is read: digits of the cell's content behind the tag would give a
    // wrong count and could be rewritten in place of it.
    qsizetype first = tagStart + a + attr.size();
    if (first < Html.size() &&
        (Html[first] == QLatin1Char('"') || Html[first] == QLatin1Char('\'')))
        ++first;
    qsizetype end = first;
    while (end < Html.size() && isDigit(Html[end]))
        ++end;
    if (end == first)
        return Html;
    bool valid = false;
    const int old = QStringView(Html).mid(first, end - first).toInt(&valid);
    qint64 span = valid ? qint64(old) - 1 + SpanCount : SpanCount;
    if (span < 1)
        span = 1;
    return Html.left(first) + QString::number(span) + Html.mid(end);
}

void MergeSelectedCells(const CommandContext& context) {
    EditorBuffer& editor = context.editor;
    const QString selected = editor.selText();
    // A blank selection fails as it stands, so it is not collapsed first: a failed merge
    // leaves the selection as it was.
    if (isBlankText(selected)) {
        context.prompter.error(context.messages.message(SelectCellsMessage));
        return;
    }
    const int s0 = editor.selStart();
    MergeOutcome merged;
    try {
        merged = MergeCellRange(collapseWhitespace(selected));
        if (merged.messageLine == 0 && merged.spanCount > 1)
            merged.html = SetCellSpan(merged.html, true, merged.spanCount);
    } catch (const std::exception&) {
        merged = {QString(), 1, MergeFailedMessage};
    }
    if (merged.messageLine != 0) {
        context.prompter.error(context.messages.message(merged.messageLine));
        return;
    }
    if (!merged.html.isEmpty() && s0 > 0)
        editor.setSelText(merged.html);
}

void SplitSelectedCell(const CommandContext& context) {
    EditorBuffer& editor = context.editor;
    const QString selected = editor.selText();
    if (isBlankText(selected)) {
        context.prompter.error(context.messages.message(NoCellMessage));
        return;
    }
    const QString out = SetCellSpan(selected, true, -1);
    const QStringView trimmed = trimBlanks(out);
    editor.setSelText(trimmed.toString());
    // A selected row keeps the caret inside it, in front of its "</tr>", also when the
    // selection ended with a line break.
    if (matchesIgnoreAsciiCaseAt(trimmed, trimmed.size() - 5, u"</tr>"))
        editor.setSelStart(editor.selStart() - 5);
    InsertRowOrCell(context, true);
}
