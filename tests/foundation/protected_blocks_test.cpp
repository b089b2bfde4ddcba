#include "foundation/markup/protected_blocks.h"

#include "foundation/document/document_file.h"
#include "test_paths.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QString roundTrip(const QString& text) {
    ProtectedBlockLists lists;
    return restoreStyleAndScript(maskScriptAndStyle(text, lists), lists);
}

} // namespace

TEST(ProtectedBlocks, MaskCutsTheBlockFromItsOpeningMarkerOnly) {
    QStringList saved;
    EXPECT_EQ(
        maskProtectedBlocks(QStringLiteral("x<script>a</script>y"), ProtectedKind::Script, saved),
        QStringLiteral("x<!--script0-->y"));
    EXPECT_EQ(saved, QStringList{QStringLiteral("<script>a</script>")});
    EXPECT_EQ(
        restoreProtectedBlocks(QStringLiteral("x<!--script0-->y"), ProtectedKind::Script, saved),
        QStringLiteral("x<script>a</script>y"));
}

TEST(ProtectedBlocks, RoundTripGivesTheTextBackUnchanged) {
    const QString cases[] = {
        QString(),
        QStringLiteral("<p>no blocks at all</p>\r\n<!-- a comment -->"),
        // A block inside a line must not split the word in front of it.
        QStringLiteral("Hello<script>var a = 1;</script> world"),
        QStringLiteral("<script>first()</script>\r\nrest"),
        QStringLiteral("<p>\r\n<style>\r\np { color: red }\r\n</style>\r\n</p>"),
        QStringLiteral("<SCRIPT type=\"x\">A</Script><StYlE>b</sTyLe>"),
        QStringLiteral("<style>a</style><style>b</style><style>never closed\r\n<p>"),
        QStringLiteral("<style>p{}<script>in style</script></style><script>s</script>"),
        QStringLiteral("<script><style>in script</style></script>"),
        QStringLiteral("<style>a<script>b</style>c</script>"),
        QStringLiteral("</script><script"),
    };
    for (const QString& text : cases)
        EXPECT_EQ(roundTrip(text), text) << text.toStdString();
}

TEST(ProtectedBlocks, BlockAtTheFirstCharacterIsSavedExactly) {
    QStringList saved;
    const QString masked = maskProtectedBlocks(QStringLiteral("<script>go()</script>\r\nafter"),
                                               ProtectedKind::Script, saved);
    EXPECT_EQ(masked, QStringLiteral("<!--script0-->\r\nafter"));
    EXPECT_EQ(saved, QStringList{QStringLiteral("<script>go()</script>")});
}

TEST(ProtectedBlocks, BlockThatBeginsALineLeavesTheLineBreakInTheText) {
    QStringList saved;
    const QString masked =
        maskProtectedBlocks(QStringLiteral("a\r\n<style>p{}</style>"), ProtectedKind::Style, saved);
    EXPECT_EQ(masked, QStringLiteral("a\r\n<!--style0-->"));
    EXPECT_EQ(saved, QStringList{QStringLiteral("<style>p{}</style>")});
}

TEST(ProtectedBlocks, PlaceholdersAreNumberedInDocumentOrderAndTenDoesNotMatchOne) {
    QString text;
    for (int i = 0; i < 12; ++i)
        text += QStringLiteral("<p>%1</p><script>s%1</script>").arg(i);
    QStringList saved;
    const QString masked = maskProtectedBlocks(text, ProtectedKind::Script, saved);
    ASSERT_EQ(saved.size(), 12);
    EXPECT_TRUE(masked.startsWith(QStringLiteral("<p>0</p><!--script0--><p>1</p><!--script1-->")));
    EXPECT_TRUE(masked.endsWith(QStringLiteral("<p>11</p><!--script11-->")));
    EXPECT_EQ(saved[10], QStringLiteral("<script>s10</script>"));
    EXPECT_EQ(restoreProtectedBlocks(masked, ProtectedKind::Script, saved), text);
}

TEST(ProtectedBlocks, MarkersAndPlaceholdersMatchInAnyCase) {
    QStringList saved;
    EXPECT_EQ(
        maskProtectedBlocks(QStringLiteral("<SCRIPT>a</ScRiPt>"), ProtectedKind::Script, saved),
        QStringLiteral("<!--script0-->"));
    // A rewrite that changes the placeholder's case still gets the block back.
    EXPECT_EQ(
        restoreProtectedBlocks(QStringLiteral("<!--SCRIPT0-->"), ProtectedKind::Script, saved),
        QStringLiteral("<SCRIPT>a</ScRiPt>"));
    // Letters are compared upper-cased, so a long s counts as an "s".
    EXPECT_EQ(
        maskProtectedBlocks(QStringLiteral("<\u017Ftyle>b</style>"), ProtectedKind::Style, saved),
        QStringLiteral("<!--style0-->"));
}

TEST(ProtectedBlocks, BlockEndsAtTheFirstClosingMarker) {
    QStringList saved;
    const QString masked = maskProtectedBlocks(QStringLiteral("<script>w(\"</script>\");</script>"),
                                               ProtectedKind::Script, saved);
    EXPECT_EQ(masked, QStringLiteral("<!--script0-->\");</script>"));
    EXPECT_EQ(saved, QStringList{QStringLiteral("<script>w(\"</script>")});

    maskProtectedBlocks(QStringLiteral("<script>a<script>b</script>"), ProtectedKind::Script,
                        saved);
    EXPECT_EQ(saved, QStringList{QStringLiteral("<script>a<script>b</script>")});
    // A longer tag name that begins with the marker counts.
    maskProtectedBlocks(QStringLiteral("<stylesheet>x</style>"), ProtectedKind::Style, saved);
    EXPECT_EQ(saved, QStringList{QStringLiteral("<stylesheet>x</style>")});
}

TEST(ProtectedBlocks, UnclosedBlockGetsAnEmptyEntryAndStaysInTheText) {
    const QString text = QStringLiteral("<style>a</style>x<style>b</style><style>open <b>");
    QStringList saved;
    const QString masked = maskProtectedBlocks(text, ProtectedKind::Style, saved);
    EXPECT_EQ(masked, QStringLiteral("<!--style0-->x<!--style1--><style>open <b>"));
    EXPECT_EQ(saved, (QStringList{QStringLiteral("<style>a</style>"),
                                  QStringLiteral("<style>b</style>"), QString()}));
    EXPECT_EQ(restoreProtectedBlocks(masked, ProtectedKind::Style, saved), text);
    // A placeholder naming the empty entry is not a block of this run.
    EXPECT_EQ(restoreProtectedBlocks(QStringLiteral("<!--style2-->"), ProtectedKind::Style, saved),
              QStringLiteral("<!--style2-->"));
}

TEST(ProtectedBlocks, ScriptInsideStyleComesBackWhenRestoredInReverseOrder) {
    const QString text = QStringLiteral("<style>b{}<script>x()</script></style>");
    ProtectedBlockLists lists;
    EXPECT_EQ(maskScriptAndStyle(text, lists), QStringLiteral("<!--style0-->"));
    EXPECT_EQ(lists.style, QStringList{QStringLiteral("<style>b{}<!--script0--></style>")});
    EXPECT_EQ(restoreStyleAndScript(QStringLiteral("<!--style0-->"), lists), text);
}

// A comment the author wrote that reads like a placeholder must not be taken for one.
TEST(ProtectedBlocks, CommentsThatLookLikePlaceholdersSurviveTheRoundTrip) {
    const QString text = QStringLiteral(
        "<!--script0--><script>a<!--script1--></script><!--Script1-->"
        "<script>b</script><!--style0--><style>c<!--script0--></style><!--script01-->");
    EXPECT_EQ(roundTrip(text), text);

    QStringList saved;
    const QString masked = maskProtectedBlocks(text, ProtectedKind::Script, saved);
    EXPECT_EQ(masked.count(QStringLiteral("<!--script")), saved.size() + 1); // + "script01"
    EXPECT_EQ(saved.first(), QStringLiteral("<!--script0-->"));
}

TEST(ProtectedBlocks, PlaceholderNumbersOutsideTheListStay) {
    const QStringList saved{QStringLiteral("<script>a</script>")};
    const QString text = QStringLiteral("<!--script1--><!--script99999999999--><!--script-->");
    EXPECT_EQ(restoreProtectedBlocks(text, ProtectedKind::Script, saved), text);
}

TEST(ProtectedBlocks, CorpusPagesComeBackUnchanged) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "no corpus";
    int withBlocks = 0;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const std::optional<LoadedDocument> doc = loadDocumentFile(folder + '/' + name);
        ASSERT_TRUE(doc) << name.toStdString();
        ProtectedBlockLists lists;
        const QString masked = maskScriptAndStyle(doc->text, lists);
        if (!lists.script.isEmpty() || !lists.style.isEmpty())
            ++withBlocks;
        EXPECT_EQ(restoreStyleAndScript(masked, lists), doc->text) << name.toStdString();
    }
    EXPECT_GT(withBlocks, 10);
}
