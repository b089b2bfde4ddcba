#include "features/wrapping/wrapping.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

namespace {

QString ul(const QString& s) {
    return listReplacement(s, ListKind::Unordered);
}

QString ol(const QString& s) {
    return listReplacement(s, ListKind::Ordered);
}

} // namespace

TEST(ListBuild, WholeLinesBecomeItemsAndTheEmptyLastLineIsDropped) {
    EXPECT_EQ(ul(QStringLiteral("apples\r\npears\r\n")),
              QStringLiteral("<ul type=\"disc\">\r\n<li>apples</li>\r\n<li>pears</li>\r\n</ul>"));
}

TEST(ListBuild, OnlyANonEmptyLastLineClosesWithABlank) {
    EXPECT_EQ(ol(QStringLiteral("a\r\nb")),
              QStringLiteral("<ol type=\"1\">\r\n<li>a</li>\r\n<li>b </li>\r\n</ol>"));
    EXPECT_EQ(ul(QStringLiteral("one")),
              QStringLiteral("<ul type=\"disc\">\r\n<li>one </li>\r\n</ul>"));
}

TEST(ListBuild, EmptySelectionGivesOneEmptyItem) {
    EXPECT_EQ(ol(QString()), QStringLiteral("<ol type=\"1\">\r\n<li></li>\r\n</ol>"));
    EXPECT_EQ(ul(QString()), QStringLiteral("<ul type=\"disc\">\r\n<li></li>\r\n</ul>"));
}

TEST(ListBuild, EmptyInnerLinesAreDropped) {
    EXPECT_EQ(ul(QStringLiteral("a\r\n\r\n\r\nb")),
              QStringLiteral("<ul type=\"disc\">\r\n<li>a</li>\r\n<li>b </li>\r\n</ul>"));
}

TEST(ListBuild, BlankRunsShrinkToOneBlankEverywhere) {
    EXPECT_EQ(ul(QStringLiteral("two   words")),
              QStringLiteral("<ul type=\"disc\">\r\n<li>two words </li>\r\n</ul>"));
    // A line of two blanks survives the item removal and then shrinks to one blank.
    EXPECT_EQ(
        ul(QStringLiteral("a\r\n  \r\nb     ")),
        QStringLiteral("<ul type=\"disc\">\r\n<li>a</li>\r\n<li> </li>\r\n<li>b </li>\r\n</ul>"));
    // A last line of one blank makes "<li>  </li>", which is not removed but shrinks.
    EXPECT_EQ(ul(QStringLiteral("a\r\n ")),
              QStringLiteral("<ul type=\"disc\">\r\n<li>a</li>\r\n<li> </li>\r\n</ul>"));
}

TEST(ListBuild, OnlyCrLfSplitsItems) {
    EXPECT_EQ(ul(QStringLiteral("a\nb\tc")),
              QStringLiteral("<ul type=\"disc\">\r\n<li>a\nb\tc </li>\r\n</ul>"));
}

TEST(ListRemove, TheBuiltListComesApartAsDescribed) {
    const QString built = ul(QStringLiteral("a\r\nb"));
    ASSERT_EQ(built, QStringLiteral("<ul type=\"disc\">\r\n<li>a</li>\r\n<li>b </li>\r\n</ul>"));
    EXPECT_EQ(ul(built), QStringLiteral("\r\na</li>\r\nb\r\n"));
}

TEST(ListRemove, ListTypeComesFromTheTextNotTheCommand) {
    const QString ordered = QStringLiteral("<ol type=\"1\">\r\n<li>a </li>\r\n</ol>");
    EXPECT_EQ(ul(ordered), QStringLiteral("\r\na\r\n"));
    EXPECT_EQ(ol(ordered), QStringLiteral("\r\na\r\n"));
    // The other list's closing tag is not touched.
    EXPECT_EQ(ul(QStringLiteral("<ul><li>x </li></ol></ul>")), QStringLiteral("x</ol>"));
}

TEST(ListRemove, CapitalItemTagsCountAsAList) {
    EXPECT_EQ(ul(QStringLiteral("<UL TYPE=\"DISC\">\r\n<LI>a </Li>\r\n</UL>")),
              QStringLiteral("\r\na\r\n"));
    EXPECT_EQ(ul(QStringLiteral("x<Li>y")), QStringLiteral("xy"));
}

TEST(ListRemove, EveryCopyOfTheOpeningTagGoesInAnyCase) {
    EXPECT_EQ(ul(QStringLiteral("<ul class=\"é\"><li>a </li><UL CLASS=\"É\"><li>b</ul></UL>")),
              QStringLiteral("ab"));
}

TEST(ListRemove, ItemCloseWithoutBlankStays) {
    EXPECT_EQ(ul(QStringLiteral("<li>a</li> <li>b  </li>")), QStringLiteral("a</li> b "));
}

TEST(ListRemove, TextWithoutListTagKeepsEverythingButItems) {
    // The first tag is no list tag: only the items go, "</ul>" stays.
    EXPECT_EQ(ul(QStringLiteral("<p><li>a </li></ul>")), QStringLiteral("<p>a</ul>"));
    // No ">" at all after the items are gone.
    EXPECT_EQ(ul(QStringLiteral("<li>")), QString());
}

TEST(ListRemove, RemovedTextIsNotSearchedAgainByTheSamePass) {
    EXPECT_EQ(ul(QStringLiteral("<l<li>i>x")), QStringLiteral("<li>x"));
    // The item tags go first, so a blank and a closing tag they separated go next.
    EXPECT_EQ(ul(QStringLiteral("<li>x <li></li>")), QStringLiteral("x"));
}

TEST(ToggleList, BlankSelectionGetsAnEmptyListInFrontOfIt) {
    MemoryBuffer b(QStringLiteral("x  y"));
    b.select(3, 1);
    toggleList(b, ListKind::Unordered);
    const QString list = QStringLiteral("<ul type=\"disc\">\r\n<li></li>\r\n</ul>");
    EXPECT_EQ(b.text(), QStringLiteral("x") + list + QStringLiteral("  y"));
    EXPECT_EQ(b.caretOffset(), 1 + list.size());
}

TEST(ToggleList, ReplacesTheSelectionAsOneUndoStep) {
    MemoryBuffer b(QStringLiteral("apples\r\npears\r\nrest"));
    b.select(15, 0);
    toggleList(b, ListKind::Ordered);
    EXPECT_EQ(b.text(),
              QStringLiteral("<ol type=\"1\">\r\n<li>apples</li>\r\n<li>pears</li>\r\n</ol>rest"));
    toggleList(b, ListKind::Ordered); // nothing selected: a new empty list at the caret
    b.undo();
    b.undo();
    EXPECT_EQ(b.text(), QStringLiteral("apples\r\npears\r\nrest"));
}

TEST(ToggleList, LargeSelectionsStayCorrect) {
    // Many lines and a long run-on opening tag: the result must still follow the rules.
    QString lines;
    for (int i = 0; i < 20000; ++i)
        lines += QStringLiteral("item   %1\r\n").arg(i);
    const QString list = ul(lines);
    EXPECT_TRUE(list.startsWith(QStringLiteral("<ul type=\"disc\">\r\n<li>item 0</li>\r\n")));
    EXPECT_TRUE(list.endsWith(QStringLiteral("<li>item 19999</li>\r\n</ul>")));
    EXPECT_EQ(list.count(QStringLiteral("<li>")), 20000);

    // The opening tag "<ul<ul...<ul>" is as long as the selection, and the text holds long
    // runs that almost match it: a search that starts over at every position would stall.
    const QString longTag = QStringLiteral("<ul").repeated(20000) + QStringLiteral(">");
    const QString run = QStringLiteral("<ul").repeated(40000);
    const QString tricky =
        longTag + QStringLiteral("<li>a") + run + longTag.toUpper() + QStringLiteral("</UL>");
    EXPECT_EQ(ul(tricky), QStringLiteral("a") + run);
}
