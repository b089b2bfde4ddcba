#pragma once

#include <QString>

struct CommandContext;

// What merging a flattened selection gives.
struct MergeOutcome {
    // The merged markup; empty when nothing is merged.
    QString html;
    // 1 plus the cell opening tags between the first cell's tag and the last "</td>".
    int spanCount = 1;
    // The message line to show in an error box (40, 41 or 42), 0 for none.
    int messageLine = 0;
};

// Joins the cells of the selection into the first one: its opening tag, the contents
// separated by blanks, the last "</td>" and what follows it.
MergeOutcome mergeCellRange(const QString& selection);

enum class SpanAttribute { Colspan, Rowspan };

// html with the span attribute of its first cell written for spanCount: added as
// ` colspan="N" ` in front of the tag's ">" when absent and spanCount > 1, else its value v
// becomes v - 1 + spanCount, at least 1. html is always a piece of the editor's text.
QString setCellSpan(const QString& html, SpanAttribute attribute, int spanCount);

// Merges the selected cells into the first; a failure changes nothing.
void mergeSelectedCells(const CommandContext& context);
// Lowers the selected cell's span and adds a cell through the insert-cell command, which asks
// before/behind.
void splitSelectedCell(const CommandContext& context);
