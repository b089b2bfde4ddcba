#include "features/tables/table_edit.h"
#include "foundation/commands/command_context.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "marked_text.h"

#include <gtest/gtest.h>

namespace {

const QString Cell = QStringLiteral("<td align=\"left\" valign=\"top\">&nbsp;</td>");
const QString Row = QStringLiteral("<tr>") + Cell + QStringLiteral("</tr>");
// The new markup's "<" as the tests' markers show it.
const QString SelectedCell = QStringLiteral("[<]") + Cell.mid(1);
const QString SelectedRow = QStringLiteral("[<]") + Row.mid(1);

struct Editing {
    std::unique_ptr<MemoryBuffer> editor;
    ScriptedPrompter prompter;
    MessageTable messages;

    Editing(const char* text, QStringList answers, UiLanguage language = UiLanguage::English)
        : editor(markedBuffer(QString::fromUtf8(text))), prompter(std::move(answers)) {
        messages.setLanguage(language);
    }
    CommandContext context() { return {*editor, prompter, messages}; }
    QString result() const { return marked(*editor); }
};

QString with(const char* before, const QString& inserted, const char* after) {
    return QString::fromUtf8(before) + inserted + QString::fromUtf8(after);
}

} // namespace

TEST(InsertRowAndCell, NewCellGoesBeforeOrBehindTheCellAroundTheCaret) {
    Editing before("<tr><td>a</td><td>b|b</td></tr>", {QStringLiteral("before")});
    insertCell(before.context());
    EXPECT_EQ(before.result(), with("<tr><td>a</td>", SelectedCell, "<td>bb</td></tr>"));
    EXPECT_EQ(before.prompter.messages(), QStringList{QStringLiteral("Insert TR/TD ...")});

    Editing behind("<tr><td>a</td><td>b|b</td></tr>", {QStringLiteral("behind")});
    insertCell(behind.context());
    EXPECT_EQ(behind.result(), with("<tr><td>a</td><td>bb</td>", SelectedCell, "</tr>"));
}

TEST(InsertRowAndCell, NewRowFollowsTheRowWithoutALineBreak) {
    Editing e("<table>\r\n<tr><td>a|</td></tr>\r\n</table>", {QStringLiteral("behind")});
    insertRow(e.context());
    EXPECT_EQ(e.result(), with("<table>\r\n<tr><td>a</td></tr>", SelectedRow, "\r\n</table>"));
    // One undo step takes the row away again.
    e.editor->undo();
    EXPECT_EQ(e.editor->text(), QStringLiteral("<table>\r\n<tr><td>a</td></tr>\r\n</table>"));
}

TEST(InsertRowAndCell, AlreadySelectedElementIsUsedWithoutSearching) {
    // Two cells selected together begin with "<td" and end with "</td>": that range counts.
    Editing e("<tr>[<td>a</td><td>b</td>]</tr>", {QStringLiteral("behind")});
    insertCell(e.context());
    EXPECT_EQ(e.result(), with("<tr><td>a</td><td>b</td>", SelectedCell, "</tr>"));

    Editing upper("<TR>[<TD>a</TD>]</TR>", {QStringLiteral("before")});
    insertCell(upper.context());
    EXPECT_EQ(upper.result(), with("<TR>", SelectedCell, "<TD>a</TD></TR>"));
}

TEST(InsertRowAndCell, CancelChangesNothingButABlankSelectionCollapses) {
    Editing cancel("<tr><td>[a]</td></tr>", {QStringLiteral("cancel")});
    insertCell(cancel.context());
    EXPECT_EQ(cancel.result(), QStringLiteral("<tr><td>[a]</td></tr>"));
    EXPECT_FALSE(cancel.editor->isModified());

    Editing none("<tr><td>a|</td></tr>", {});
    insertRow(none.context());
    EXPECT_EQ(none.result(), QStringLiteral("<tr><td>a|</td></tr>"));

    Editing blank("<tr><td>a[ \r\n]</td></tr>", {QStringLiteral("cancel")});
    insertCell(blank.context());
    EXPECT_EQ(blank.result(), QStringLiteral("<tr><td>a| \r\n</td></tr>"));
}

TEST(InsertRowAndCell, OutsideAnyTableTheMarkupGoesAtTheCaretOrAroundTheSelection) {
    Editing caret("<p>a|b</p>", {QStringLiteral("behind")});
    insertCell(caret.context());
    EXPECT_EQ(caret.result(), with("<p>a", SelectedCell, "b</p>"));

    Editing before("<p>[ab]</p>", {QStringLiteral("before")});
    insertRow(before.context());
    EXPECT_EQ(before.result(), with("<p>", SelectedRow, "ab</p>"));

    Editing behind("<p>[ab]</p>", {QStringLiteral("behind")});
    insertRow(behind.context());
    EXPECT_EQ(behind.result(), with("<p>ab", SelectedRow, "</p>"));
}

TEST(InsertRowAndCell, CellAtTheFirstCharacterAsksToPlaceTheCursorAndInsertsAtTheCaret) {
    Editing e("<td>a|b</td>", {QStringLiteral("before")});
    insertCell(e.context());
    EXPECT_EQ(e.result(), with("<td>a", SelectedCell, "b</td>"));
    EXPECT_EQ(e.prompter.messages(),
              (QStringList{QStringLiteral("Insert TR/TD ..."),
                           QStringLiteral("Set the cursor into a table structure to select a "
                                          "table element.")}));
}

TEST(InsertRowAndCell, QuestionFollowsTheUiLanguage) {
    Editing e("|", {}, UiLanguage::German);
    insertCell(e.context());
    EXPECT_EQ(e.prompter.messages(), QStringList{QStringLiteral("TR/TD einfügen...")});
    EXPECT_EQ(placementTexts(UiLanguage::German).endOfTable, QStringLiteral("Ende Tabelle"));
    EXPECT_EQ(placementTexts(UiLanguage::English).behind,
              QStringLiteral("Behind current position"));
}

TEST(DeleteEnclosingElement, AnswerNoLeavesTheCellSelectedAndYesRemovesIt) {
    Editing no("<tr>\r\n  <td>a|</td>\r\n</tr>", {QStringLiteral("no")});
    EXPECT_EQ(deleteEnclosingElement(no.context(), cellTags()), SelectionKind::Cell);
    EXPECT_EQ(no.result(), QStringLiteral("<tr>\r\n  [<td>a</td>]\r\n</tr>"));
    EXPECT_EQ(no.prompter.messages(), QStringList{QStringLiteral("Delete?")});
    EXPECT_FALSE(no.editor->isModified());

    Editing yes("<tr>\r\n  <td>a|</td>\r\n</tr>", {QStringLiteral("yes")});
    deleteEnclosingElement(yes.context(), cellTags());
    EXPECT_EQ(yes.result(), QStringLiteral("<tr>\r\n  |\r\n</tr>"));
}

TEST(DeleteEnclosingElement, RowInANestedTableIsTheOneRemoved) {
    Editing e("<table><tr><td><table><tr><td>x|</td></tr></table></td></tr></table>",
              {QStringLiteral("yes")});
    EXPECT_EQ(deleteEnclosingElement(e.context(), rowTags()), SelectionKind::RowOrTable);
    EXPECT_EQ(e.result(), QStringLiteral("<table><tr><td><table>|</table></td></tr></table>"));
}

TEST(DeleteEnclosingElement, WholeTableAndAnUnclosedOne) {
    Editing table("<p>x</p><table><tr><td>a|</td></tr></table><p>y</p>", {QStringLiteral("yes")});
    deleteEnclosingElement(table.context(), tableTags());
    EXPECT_EQ(table.result(), QStringLiteral("<p>x</p>|<p>y</p>"));

    // Without its closing tag the table runs to the end of the text, and all of it goes.
    Editing open("<p>x</p><table><tr><td>a|</td></tr>", {QStringLiteral("yes")});
    deleteEnclosingElement(open.context(), tableTags());
    EXPECT_EQ(open.result(), QStringLiteral("<p>x</p>|"));
}

TEST(DeleteEnclosingElement, NothingIsAskedWhenNoElementWasSelected) {
    Editing none("<p>a|</p>", {QStringLiteral("yes")});
    EXPECT_EQ(deleteEnclosingElement(none.context(), cellTags()), SelectionKind::None);
    EXPECT_EQ(none.result(), QStringLiteral("<p>a|</p>"));
    EXPECT_TRUE(none.prompter.messages().isEmpty());

    Editing first("<td>a|</td>", {QStringLiteral("yes")});
    EXPECT_EQ(deleteEnclosingElement(first.context(), cellTags()), SelectionKind::None);
    EXPECT_EQ(first.result(), QStringLiteral("<td>a|</td>"));
    EXPECT_EQ(first.prompter.messages().size(), 1); // only the request to place the cursor
    EXPECT_FALSE(first.editor->isModified());
}
