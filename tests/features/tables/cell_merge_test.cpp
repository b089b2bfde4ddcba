#include "features/tables/cell_merge.h"
#include "foundation/commands/command_context.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "marked_text.h"

#include <gtest/gtest.h>

namespace {

const QString SelectCellsMessage = QStringLiteral("Select at least two TDs to merge them!");
const QString AcrossTablesMessage = QStringLiteral("Merging across several tables not supported!");
const QString MergeFailedMessage = QStringLiteral("Merging failed. check your selection.");
const QString NoCellMessage = QStringLiteral("No TD selected!");
const QString NewCell = QStringLiteral("<td align=\"left\" valign=\"top\">&nbsp;</td>");

struct Command {
    std::unique_ptr<MemoryBuffer> editor;
    ScriptedPrompter prompter;
    MessageTable messages;

    explicit Command(const QString& text, QStringList answers = {})
        : editor(markedBuffer(text)), prompter(std::move(answers)) {
        messages.setLanguage(UiLanguage::English);
    }
    CommandContext context() { return {*editor, prompter, messages}; }
    QString result() const { return marked(*editor); }
};

// Merges the selection of "<tr>[...]</tr>" and gives the row's text afterwards.
QString mergedRow(const char* cells) {
    Command c(QStringLiteral("<tr>[") + QString::fromUtf8(cells) + QStringLiteral("]</tr>"));
    mergeSelectedCells(c.context());
    return c.editor->text().mid(4, c.editor->text().size() - 9);
}

} // namespace

TEST(MergeCells, AddsColspanToFirstCellAndJoinsContentsWithBlanks) {
    Command c(QStringLiteral("<tr>[<td>a</td><td>b</td>]</tr>"));
    mergeSelectedCells(c.context());
    EXPECT_EQ(c.result(), QStringLiteral("<tr><td colspan=\"2\" >a b</td>|</tr>"));
    EXPECT_TRUE(c.prompter.messages().isEmpty());
    c.editor->undo();
    EXPECT_EQ(c.editor->text(), QStringLiteral("<tr><td>a</td><td>b</td></tr>"));
}

TEST(MergeCells, ExistingSpanOfTheFirstCellGrowsByTheFurtherCells) {
    EXPECT_EQ(mergedRow("<td colspan=\"2\" >a b</td><td>c</td>"),
              QStringLiteral("<td colspan=\"3\" >a b c</td>"));
    EXPECT_EQ(mergedRow("<td colspan=\"4\">a</td><td>b</td><td>c</td>"),
              QStringLiteral("<td colspan=\"6\">a b c</td>"));
    // Only the first cell's span counts; the second one's is lost with its tag.
    EXPECT_EQ(mergedRow("<td>a</td><td colspan=\"5\">b</td><td>c</td>"),
              QStringLiteral("<td colspan=\"3\" >a b c</td>"));
}

TEST(MergeCells, FlattensLineBreaksTabsAndBlankRunsOfTheWholeSelection) {
    Command c(
        QStringLiteral("<tr>\r\n[\t<td class=\"x\">a\r\n   b</td>\r\n\t<td>c</td>\r\n]</tr>"));
    mergeSelectedCells(c.context());
    EXPECT_EQ(c.result(),
              QStringLiteral("<tr>\r\n<td class=\"x\" colspan=\"2\" >a b c</td>|</tr>"));
}

TEST(MergeCells, RowTagsAroundTheCellsStayAroundTheMergedCell) {
    Command c(QStringLiteral("<table>[<tr><td>a</td><td>b</td></tr>]</table>"));
    mergeSelectedCells(c.context());
    EXPECT_EQ(c.editor->text(),
              QStringLiteral("<table><tr><td colspan=\"2\" >a b</td></tr></table>"));
    // Plain row tags between cells go; row tags with attributes stay.
    EXPECT_EQ(mergedRow("<td>a</td></tr><tr><td>b</td><TR class=\"r\"><td>c</td>"),
              QStringLiteral("<td colspan=\"3\" >a b <TR class=\"r\">c</td>"));
}

TEST(MergeCells, EmptyCellsFailToMergeButNbspMerges) {
    Command empty(QStringLiteral("<tr>[<td></td><td> </td>]</tr>"));
    mergeSelectedCells(empty.context());
    EXPECT_EQ(empty.prompter.messages(), QStringList{MergeFailedMessage});
    EXPECT_EQ(empty.result(), QStringLiteral("<tr>[<td></td><td> </td>]</tr>"));
    EXPECT_FALSE(empty.editor->isModified());

    EXPECT_EQ(mergedRow("<td></td><td>&nbsp;</td>"),
              QStringLiteral("<td colspan=\"2\" > &nbsp;</td>"));
}

TEST(MergeCells, SingleCellKeepsItsMarkupApartFromFlattening) {
    Command c(QStringLiteral("<tr>[<td>a\r\n  b</td>]</tr>"));
    mergeSelectedCells(c.context());
    EXPECT_EQ(c.result(), QStringLiteral("<tr><td>a b</td>|</tr>"));
}

TEST(MergeCells, CapitalSpanAttributeIsNotRecognised) {
    EXPECT_EQ(mergedRow("<td COLSPAN=\"2\">a</td><td>b</td>"),
              QStringLiteral("<td COLSPAN=\"2\" colspan=\"2\" >a b</td>"));
}

TEST(MergeCells, SelectionAtTheFirstCharacterIsNeverReplaced) {
    Command c(QStringLiteral("[<td>a</td><td>b</td>]"));
    mergeSelectedCells(c.context());
    EXPECT_EQ(c.result(), QStringLiteral("[<td>a</td><td>b</td>]"));
    EXPECT_TRUE(c.prompter.messages().isEmpty());
}

TEST(MergeCells, BadSelectionsShowTheirMessageAndChangeNothing) {
    const struct {
        const char* text;
        QString message;
    } cases[] = {
        {"x[ \r\n\t]y", SelectCellsMessage},
        {"x|y", SelectCellsMessage},
        {"x[<th>a</th><th>b</th>]", SelectCellsMessage},
        {"x[<td class=\"a\"]", SelectCellsMessage},
        {"<table><tr>[<td>a</td></tr></table><table><tr><td>b</td>]</tr></table>",
         AcrossTablesMessage},
        {"<tr>[<td><TABLE><tr><td>a</td></tr></table></td>]</tr>", AcrossTablesMessage},
    };
    for (const auto& c : cases) {
        Command command(QString::fromUtf8(c.text));
        mergeSelectedCells(command.context());
        EXPECT_EQ(command.prompter.messages(), QStringList{c.message}) << c.text;
        EXPECT_EQ(command.result(), QString::fromUtf8(c.text)) << c.text;
        EXPECT_FALSE(command.editor->isModified()) << c.text;
    }
}

TEST(MergeCells, RangeWithoutClosingCellIsIgnoredSilently) {
    Command c(QStringLiteral("<tr>[<td>a<td>b]</tr>"));
    mergeSelectedCells(c.context());
    EXPECT_TRUE(c.prompter.messages().isEmpty());
    EXPECT_EQ(c.result(), QStringLiteral("<tr>[<td>a<td>b]</tr>"));
}

TEST(MergeCells, DigitsOfTheCellContentAreNotReadAsTheSpan) {
    // The content right behind the tag holds digits; the count comes from the value alone
    // and the content stays as it was.
    EXPECT_EQ(mergedRow("<td colspan=\"2\">100</td><td>200</td>"),
              QStringLiteral("<td colspan=\"3\">100 200</td>"));
    EXPECT_EQ(mergedRow("<td colspan=\"1\">2</td><td>12</td>"),
              QStringLiteral("<td colspan=\"2\">2 12</td>"));
    EXPECT_EQ(mergedRow("<td colspan=2>7</td><td>8</td>"),
              QStringLiteral("<td colspan=3>7 8</td>"));
}

TEST(MergeCellRange, CountsEveryCellTagAndKeepsAnUnclosedOne) {
    const MergeOutcome three = mergeCellRange(QStringLiteral("<td>a</td><TD>b</TD><td>c</td>x"));
    EXPECT_EQ(three.html, QStringLiteral("<td>a b c</td>x"));
    EXPECT_EQ(three.spanCount, 3);
    EXPECT_EQ(three.messageLine, 0);

    // A "<td" without ">" behind it is counted but stays.
    const MergeOutcome open = mergeCellRange(QStringLiteral("<td>a</td><td>b</td><td c</td>"));
    EXPECT_EQ(open.html, QStringLiteral("<td>a b <td c</td>"));
    EXPECT_EQ(open.spanCount, 3);

    EXPECT_EQ(mergeCellRange(QString()).messageLine, 40);
}

TEST(CellSpan, WritesAddsOrLowersTheFirstCellsSpan) {
    EXPECT_EQ(setCellSpan(QStringLiteral("<td>a</td>"), SpanAttribute::Colspan, 1),
              QStringLiteral("<td>a</td>"));
    EXPECT_EQ(setCellSpan(QStringLiteral("  <td>a</td>"), SpanAttribute::Colspan, 3),
              QStringLiteral("  <td colspan=\"3\" >a</td>"));
    EXPECT_EQ(setCellSpan(QStringLiteral("<td>a</td>"), SpanAttribute::Rowspan, 2),
              QStringLiteral("<td rowspan=\"2\" >a</td>"));
    EXPECT_EQ(setCellSpan(QStringLiteral("<TR><TD>a</TD>"), SpanAttribute::Colspan, 2),
              QStringLiteral("<TR><TD colspan=\"2\" >a</TD>"));
    // No cell tag, or none closed by ">", leaves the text alone.
    EXPECT_EQ(setCellSpan(QStringLiteral("<p>a</p>"), SpanAttribute::Colspan, 2),
              QStringLiteral("<p>a</p>"));
    EXPECT_EQ(setCellSpan(QStringLiteral("<tr>a"), SpanAttribute::Colspan, 2),
              QStringLiteral("<tr>a"));
    EXPECT_EQ(setCellSpan(QStringLiteral("<td a"), SpanAttribute::Colspan, 2),
              QStringLiteral("<td a"));
    // A value that is not a number stays; a value ending the text is read to its end.
    EXPECT_EQ(setCellSpan(QStringLiteral("<td colspan=\"x\">"), SpanAttribute::Colspan, -1),
              QStringLiteral("<td colspan=\"x\">"));
    EXPECT_EQ(setCellSpan(QStringLiteral("<td colspan=5>"), SpanAttribute::Colspan, -1),
              QStringLiteral("<td colspan=3>"));
    EXPECT_EQ(
        setCellSpan(QStringLiteral("<td colspan=\"99999999999\">"), SpanAttribute::Colspan, 2),
        QStringLiteral("<td colspan=\"2\">"));
}

TEST(SplitCell, CellWithoutSpanOnlyGetsANewCell) {
    Command c(QStringLiteral("<tr>[<td>a</td>]</tr>"), {QStringLiteral("behind")});
    splitSelectedCell(c.context());
    EXPECT_EQ(c.editor->text(),
              QStringLiteral("<tr><td>a</td>") + NewCell + QStringLiteral("</tr>"));
    EXPECT_EQ(c.prompter.messages(), QStringList{QStringLiteral("Insert TR/TD ...")});
}

TEST(SplitCell, SpanTwoBecomesOneAndTheNewCellFollows) {
    Command c(QStringLiteral("<tr><td>x</td>[ <td colspan=\"2\" >a</td>\r\n]</tr>"),
              {QStringLiteral("behind")});
    splitSelectedCell(c.context());
    EXPECT_EQ(c.editor->text(), QStringLiteral("<tr><td>x</td><td colspan=\"1\" >a</td>") +
                                    NewCell + QStringLiteral("</tr>"));
    // Larger values drop by two, never below one.
    Command wide(QStringLiteral("<tr>[<td colspan=\"5\">a</td>]</tr>"));
    splitSelectedCell(wide.context());
    EXPECT_EQ(wide.editor->text(), QStringLiteral("<tr><td colspan=\"3\">a</td></tr>"));
}

TEST(SplitCell, CancelledQuestionKeepsTheSpanChange) {
    Command c(QStringLiteral("<tr>[<td colspan=\"3\">a</td>]</tr>"), {QStringLiteral("cancel")});
    splitSelectedCell(c.context());
    EXPECT_EQ(c.result(), QStringLiteral("<tr><td colspan=\"1\">a</td>|</tr>"));
}

TEST(SplitCell, SelectedRowGetsTheNewCellInsideIt) {
    Command c(QStringLiteral("<table>\r\n[<tr><td colspan=\"2\">a</td></tr>]\r\n</table>"),
              {QStringLiteral("before")});
    splitSelectedCell(c.context());
    EXPECT_EQ(c.editor->text(), QStringLiteral("<table>\r\n<tr><td colspan=\"1\">a</td>") +
                                    NewCell + QStringLiteral("</tr>\r\n</table>"));

    // Also when the selection took the line break behind the row.
    Command line(QStringLiteral("<table>\r\n[<tr><td>a</td></tr>\r\n]</table>"),
                 {QStringLiteral("behind")});
    splitSelectedCell(line.context());
    EXPECT_EQ(line.editor->text(), QStringLiteral("<table>\r\n<tr><td>a</td>") + NewCell +
                                       QStringLiteral("</tr></table>"));
}

TEST(SplitCell, BlankSelectionSaysNoCellIsSelected) {
    Command c(QStringLiteral("<tr>[ \r\n]</tr>"), {QStringLiteral("behind")});
    splitSelectedCell(c.context());
    EXPECT_EQ(c.prompter.messages(), QStringList{NoCellMessage});
    EXPECT_EQ(c.result(), QStringLiteral("<tr>[ \r\n]</tr>"));
}
