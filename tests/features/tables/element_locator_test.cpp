#include "features/tables/element_locator.h"
#include "foundation/commands/command_context.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/text/text_rules.h"
#include "foundation/text/text_search.h"
#include "marked_text.h"
#include "reference_element_locator.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const QString PlaceTheCursorMessage =
    QStringLiteral("Set the cursor into a table structure to select a table element.");

struct Selecting {
    std::unique_ptr<MemoryBuffer> editor;
    ScriptedPrompter prompter;
    MessageTable messages;
    SelectionKind kind = SelectionKind::None;

    Selecting(const char* text, const ElementTags& tags)
        : editor(markedBuffer(QString::fromUtf8(text))) {
        messages.setLanguage(UiLanguage::English);
        kind = selectEnclosingElement(CommandContext{*editor, prompter, messages}, tags);
    }
    QString result() const { return marked(*editor); }
};

} // namespace

TEST(SelectEnclosingElement, CaretInACellSelectsTheWholeCell) {
    Selecting s("<table><tr><td>a</td><td>b|c</td></tr></table>", cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("<table><tr><td>a</td>[<td>bc</td>]</tr></table>"));
    EXPECT_EQ(s.kind, SelectionKind::Cell);
    EXPECT_TRUE(s.prompter.messages().isEmpty());
}

TEST(SelectEnclosingElement, CaretRightInFrontOfTheTagSelectsThatCell) {
    Selecting s("<tr><td>a</td>|<td>b</td></tr>", cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("<tr><td>a</td>[<td>b</td>]</tr>"));
}

TEST(SelectEnclosingElement, CaretInsideTheTagNamePassesThatCellOver) {
    // Between "<td" and ">" the scan starts in front of the tag: only an enclosing cell is left.
    Selecting inner("x<td><table><tr><td| class=\"c\">a</td></tr></table></td>", cellTags());
    EXPECT_EQ(inner.result(),
              QStringLiteral("x[<td><table><tr><td class=\"c\">a</td></tr></table></td>]"));

    Selecting alone("<table><tr><td|>a</td></tr></table>", cellTags());
    EXPECT_EQ(alone.result(), QStringLiteral("<table><tr><td|>a</td></tr></table>"));
    EXPECT_EQ(alone.kind, SelectionKind::None);

    // One character past the name is enough.
    Selecting past("<tr><td>|a</td></tr>", cellTags());
    EXPECT_EQ(past.result(), QStringLiteral("<tr>[<td>a</td>]</tr>"));
}

TEST(SelectEnclosingElement, ClosingTagsInFrontOfTheCaretBalanceEarlierCells) {
    Selecting s("x<td>outer <td>a</td> <td>b</td> |more</td>", cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("x[<td>outer <td>a</td>] <td>b</td> more</td>"));
}

TEST(SelectEnclosingElement, CellHoldingATableEndsAtItsOwnClosingTag) {
    Selecting s("<tr><td>a|<table><tr><td>x</td></tr></table>b</td><td>c</td></tr>", cellTags());
    EXPECT_EQ(s.result(),
              QStringLiteral("<tr>[<td>a<table><tr><td>x</td></tr></table>b</td>]<td>c</td></tr>"));
}

TEST(SelectEnclosingElement, SeveralNestedTablesInOneCellAreAllSkipped) {
    Selecting s("<tr><td>|<table><td>1</td></table><table><td>2</td></table>c</td><td>d</td>",
                cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("<tr>[<td><table><td>1</td></table><table><td>2</td>"
                                         "</table>c</td>]<td>d</td>"));
}

TEST(SelectEnclosingElement, RowAndTableFoundInAnyLetterCase) {
    Selecting row("<TABLE>\r\n<TR>\r\n<TD>a|</TD>\r\n</TR>\r\n</TABLE>", rowTags());
    EXPECT_EQ(row.result(), QStringLiteral("<TABLE>\r\n[<TR>\r\n<TD>a</TD>\r\n</TR>]\r\n</TABLE>"));
    EXPECT_EQ(row.kind, SelectionKind::RowOrTable);

    Selecting table(" <table><tr><td>a|</td></tr></table> ", tableTags());
    EXPECT_EQ(table.result(), QStringLiteral(" [<table><tr><td>a</td></tr></table>] "));
    EXPECT_EQ(table.kind, SelectionKind::RowOrTable);
}

TEST(SelectEnclosingElement, FormsDivsAndSpansSetNoFlag) {
    Selecting form("x<form><input>|</form>", formTags());
    EXPECT_EQ(form.result(), QStringLiteral("x[<form><input></form>]"));
    EXPECT_EQ(form.kind, SelectionKind::None);

    Selecting div("x<div>a<div>b</div>c|</div>", divTags());
    EXPECT_EQ(div.result(), QStringLiteral("x[<div>a<div>b</div>c</div>]"));

    Selecting nestedDivs("x<div>|a<div>b</div><div>c</div>d</div>e", divTags());
    EXPECT_EQ(nestedDivs.result(), QStringLiteral("x[<div>a<div>b</div><div>c</div>d</div>]e"));

    Selecting span("<p><span class=\"k\">a|</span></p>", spanTags());
    EXPECT_EQ(span.result(), QStringLiteral("<p>[<span class=\"k\">a</span>]</p>"));
    EXPECT_EQ(&blockTags(BlockElement::Div), &divTags());
    EXPECT_EQ(&blockTags(BlockElement::Span), &spanTags());
}

TEST(SelectEnclosingElement, ElementAtTheFirstCharacterAsksToPlaceTheCursor) {
    Selecting s("<td>a|b</td>", cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("<td>a|b</td>"));
    EXPECT_EQ(s.kind, SelectionKind::None);
    EXPECT_EQ(s.prompter.messages(), QStringList{PlaceTheCursorMessage});

    // Also with a selection: it stays as it was.
    Selecting selected("<table><tr>[<td>]</td></tr></table>", tableTags());
    EXPECT_EQ(selected.result(), QStringLiteral("<table><tr>[<td>]</td></tr></table>"));
    EXPECT_EQ(selected.prompter.messages(), QStringList{PlaceTheCursorMessage});
}

TEST(SelectEnclosingElement, NoEnclosingElementChangesNothing) {
    Selecting s("<p>text| here</p><td>later</td>", cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("<p>text| here</p><td>later</td>"));
    EXPECT_EQ(s.kind, SelectionKind::None);
    EXPECT_TRUE(s.prompter.messages().isEmpty());

    Selecting empty("|", cellTags());
    EXPECT_EQ(empty.result(), QStringLiteral("|"));
}

TEST(SelectEnclosingElement, UnclosedElementIsSelectedToTheEndOfTheText) {
    Selecting s("x<tr><td>a|\r\n<td>b", rowTags());
    EXPECT_EQ(s.result(), QStringLiteral("x[<tr><td>a\r\n<td>b]"));
    EXPECT_EQ(s.kind, SelectionKind::RowOrTable);
}

TEST(SelectEnclosingElement, SelectionStartIsWhereTheScanBegins) {
    Selecting s("<tr><td>a</td><td>[b</td><td>c]</td></tr>", cellTags());
    EXPECT_EQ(s.result(), QStringLiteral("<tr><td>a</td>[<td>b</td>]<td>c</td></tr>"));
}

TEST(LocateEnclosingElement, ManyStrayClosingTablesBeforeANestedOne) {
    // Each stray "</table" moves the nested-element loop four characters on; the result
    // follows the reference model exactly.
    QString text = QStringLiteral("x<td>a");
    for (int i = 0; i < 50; ++i)
        text += QStringLiteral("</table");
    text += QStringLiteral("<table></td>y</td>z");
    const int caret = 6;
    const ElementLocation got = locateEnclosingElement(text, caret, u"<td", u"</td>");
    const ElementLocation want =
        referenceLocate(text, caret, QStringLiteral("<td"), QStringLiteral("</td>"));
    EXPECT_EQ(got.outcome, ElementLocation::Outcome::Found);
    EXPECT_EQ(got.start, want.start);
    EXPECT_EQ(got.length, want.length);
    EXPECT_EQ(text.mid(got.start, got.length), text.mid(1, text.size() - 8));
}

TEST(LocateEnclosingElement, AgreesWithTheReferenceModelOnRandomMarkup) {
    const QStringList pieces{
        QStringLiteral("<td>"),     QStringLiteral("</td>"),   QStringLiteral("<TD "),
        QStringLiteral("<tr>"),     QStringLiteral("</TR>"),   QStringLiteral("<table>"),
        QStringLiteral("</table>"), QStringLiteral("</table"), QStringLiteral("<div>"),
        QStringLiteral("</div>"),   QStringLiteral("<span>"),  QStringLiteral("</span>"),
        QStringLiteral("<form>"),   QStringLiteral("</form>"), QStringLiteral("x"),
        QStringLiteral(">"),        QStringLiteral("<"),       QStringLiteral("\r\n")};
    const QList<const ElementTags*> kinds{&cellTags(), &rowTags(), &tableTags(),
                                          &formTags(), &divTags(), &spanTags()};
    QRandomGenerator random(42);
    for (int round = 0; round < 4000; ++round) {
        QString text;
        const int count = random.bounded(0, 24);
        for (int i = 0; i < count; ++i)
            text += pieces[random.bounded(int(pieces.size()))];
        const int caret = random.bounded(0, int(text.size()) + 1);
        const ElementTags& tags = *kinds[random.bounded(int(kinds.size()))];
        const ElementLocation got =
            locateEnclosingElement(text, caret, tags.openTag, tags.closeTag);
        const ElementLocation want = referenceLocate(text, caret, tags.openTag, tags.closeTag);
        ASSERT_EQ(int(got.outcome), int(want.outcome))
            << text.toStdString() << " caret " << caret << ' ' << tags.openTag.toStdString();
        ASSERT_EQ(got.start, want.start) << text.toStdString() << " caret " << caret;
        ASSERT_EQ(got.length, want.length) << text.toStdString() << " caret " << caret;
    }
}
