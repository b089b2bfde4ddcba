#include "features/text_transforms/line_feeds.h"

#include "file_bytes.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/text/whitespace.h"
#include "test_paths.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

// A golden file's text as the editor holds it: UTF-8, CR LF breaks, none after the last line.
QString editorText(const QString& path) {
    QString text = QString::fromUtf8(readFileBytes(path));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// One pass of the reference rule: every two adjacent blanks become one, left to right.
QString referenceHalvingPass(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        out.append(text[i]);
        if (text[i] == QLatin1Char(' ') && i + 1 < text.size() && text[i + 1] == QLatin1Char(' '))
            ++i;
    }
    return out;
}

} // namespace

TEST(Whitespace, HalvingMatchesSixReferencePasses) {
    QRandomGenerator random(7);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        for (int i = random.bounded(300); i > 0; --i)
            text.append(random.bounded(5) ? QLatin1Char(' ') : QLatin1Char('x'));
        QString expected = text;
        for (int pass = 0; pass < 6; ++pass)
            expected = referenceHalvingPass(expected);
        ASSERT_EQ(halveBlankRuns(text), expected) << text.size();
    }
}

TEST(Whitespace, SixPassesHalveBlankRuns) {
    EXPECT_EQ(halveBlankRuns(QStringLiteral("a") + blanks(64) + QStringLiteral("b")),
              QStringLiteral("a b"));
    EXPECT_EQ(halveBlankRuns(blanks(65)), blanks(2));
    EXPECT_EQ(halveBlankRuns(blanks(128)), blanks(2));
    EXPECT_EQ(halveBlankRuns(blanks(129)), blanks(3));
    EXPECT_EQ(halveBlankRuns(QStringLiteral("a   b c")), QStringLiteral("a b c"));
    // Only blanks fold; a tab between them keeps both.
    EXPECT_EQ(halveBlankRuns(QStringLiteral(" \t ")), QStringLiteral(" \t "));
}

TEST(Whitespace, JoinLinesDeletesCrLfPairsOnly) {
    EXPECT_EQ(joinLines(QStringLiteral("a\r\nb")), QStringLiteral("ab"));
    EXPECT_EQ(joinLines(QStringLiteral("a  \r\n  b")), QStringLiteral("a b"));
    EXPECT_EQ(joinLines(QStringLiteral("a\rb\nc\n\rd")), QStringLiteral("a\rb\nc\n\rd"));
    EXPECT_EQ(joinLines(QStringLiteral("\r\r\n\n")), QStringLiteral("\r\n"));
}

TEST(Whitespace, CollapseWhitespaceDeletesBreaksAndTabsWithoutABlank) {
    EXPECT_EQ(collapseWhitespace(QStringLiteral("x\ty")), QStringLiteral("xy"));
    EXPECT_EQ(collapseWhitespace(QStringLiteral("x\r\ny")), QStringLiteral("xy"));
    EXPECT_EQ(collapseWhitespace(QStringLiteral(" a \r\n b\r\t c")), QStringLiteral(" a b c"));
}

TEST(RemoveLineFeeds, JoinsLinesWithoutABlankButKeepsBlocksAsTheyWere) {
    EXPECT_EQ(removeLineFeeds(QStringLiteral("<p>Zeilen\r\numbruch</p>\r\n<p>b</p>")),
              QStringLiteral("<p>Zeilenumbruch</p><p>b</p>"));
    EXPECT_EQ(removeLineFeeds(QStringLiteral(
                  "a\r\n<script>\r\nx();\r\n</script>\r\nb\r\n<STYLE>p {}\r\n</STYLE>  c")),
              QStringLiteral("a<script>\r\nx();\r\n</script>b<STYLE>p {}\r\n</STYLE> c"));
    // The word in front of a block stays whole.
    EXPECT_EQ(removeLineFeeds(QStringLiteral("Hello<script>\r\n</script>")),
              QStringLiteral("Hello<script>\r\n</script>"));
    EXPECT_EQ(removeLineFeeds(QString()), QString());
}

TEST(InsertLineFeeds, EveryTagEndsALine) {
    EXPECT_EQ(insertLineFeeds(QStringLiteral("<p><b>x</b></p>")),
              QStringLiteral("<p>\r\n<b>\r\nx</b>\r\n</p>\r\n"));
    // A block keeps its ">" characters and ends a line as a whole.
    EXPECT_EQ(insertLineFeeds(QStringLiteral("<p>a</p><script>if (a>b) f();</script>b")),
              QStringLiteral("<p>\r\na</p>\r\n<script>if (a>b) f();</script>\r\nb"));
    EXPECT_EQ(insertLineFeeds(QStringLiteral("no tags")), QStringLiteral("no tags"));
}

TEST(LineFeedCommands, RewriteTheWholeTextAsOneUndoStep) {
    MessageTable messages;
    ScriptedPrompter prompter;
    const QString page = QStringLiteral("<p>a\r\nb</p>");
    MemoryBuffer editor(page);
    editor.setSelStart(5);
    removeLineFeedsCommand({editor, prompter, messages});
    EXPECT_EQ(editor.text(), QStringLiteral("<p>ab</p>"));
    EXPECT_EQ(editor.caretOffset(), 0);
    EXPECT_TRUE(editor.isModified());
    insertLineFeedsCommand({editor, prompter, messages});
    EXPECT_EQ(editor.text(), QStringLiteral("<p>\r\nab</p>\r\n"));
    editor.undo();
    EXPECT_EQ(editor.text(), QStringLiteral("<p>ab</p>"));
    editor.undo();
    EXPECT_EQ(editor.text(), page);
    EXPECT_TRUE(prompter.messages().isEmpty());
}

// tests/features/text_transforms/data/<case>/{input.html,expected.html}; the case name says the
// command.
TEST(LineFeedCommands, GoldenPages) {
    const QDir root(featureTestData(QStringLiteral("text_transforms")));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(cases.size(), 2);
    for (const QString& name : cases) {
        const QString input = editorText(root.filePath(name + QStringLiteral("/input.html")));
        const QString expected = editorText(root.filePath(name + QStringLiteral("/expected.html")));
        ASSERT_FALSE(input.isEmpty()) << name.toStdString();
        const QString result = name.startsWith(QStringLiteral("remove-lf"))
                                   ? removeLineFeeds(input)
                                   : insertLineFeeds(input);
        EXPECT_EQ(result, expected) << name.toStdString() << "\n" << result.toStdString();
    }
}

// Joining all lines and then breaking after every tag must never lose or add anything but
// line breaks and blanks.
TEST(LineFeedCommands, CorpusPagesKeepEveryOtherCharacter) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "no corpus";
    auto visible = [](const QString& text) {
        QString out;
        for (QChar c : text)
            if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char(' '))
                out.append(c);
        return out;
    };
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const std::optional<LoadedDocument> doc = loadDocumentFile(folder + '/' + name);
        ASSERT_TRUE(doc) << name.toStdString();
        const QString& text = doc->text;
        const QString joined = removeLineFeeds(text);
        EXPECT_EQ(visible(joined), visible(text)) << name.toStdString();
        EXPECT_EQ(visible(insertLineFeeds(joined)), visible(text)) << name.toStdString();
    }
}
