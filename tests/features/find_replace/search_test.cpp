#include "features/find_replace/document_search.h"
#include "features/find_replace/goto_line.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString NotFound = QStringLiteral("Search string not found.");

// A document with the search state the main window keeps for it.
struct Session {
    explicit Session(const QString& text) : buffer(text) {}

    CommandContext context() { return {buffer, prompter, messages}; }
    SearchOutcome find(const QString& text, bool matchCase = false, bool wholeWord = false) {
        return search.find(context(), {text, matchCase, wholeWord});
    }
    SearchOutcome next() { return search.findNext(context()); }
    QString selection() const { return buffer.selText(); }

    MemoryBuffer buffer;
    ScriptedPrompter prompter;
    MessageTable messages;
    DocumentSearch search;
};

} // namespace

TEST(FindNext, WrapsToTheFirstMatchWithoutAMessage) {
    Session s(QStringLiteral("ab ab ab"));
    ASSERT_EQ(s.find(QStringLiteral("ab")), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 0);
    EXPECT_EQ(s.next(), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 3);
    EXPECT_EQ(s.next(), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 6);
    EXPECT_EQ(s.next(), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 0);
    EXPECT_EQ(s.buffer.selLength(), 2);
    EXPECT_TRUE(s.prompter.messages().isEmpty());
}

TEST(FindNext, ReportsTheEndOnceThenStartsOver) {
    Session s(QStringLiteral("ab xy"));
    s.find(QStringLiteral("ab"));
    EXPECT_EQ(s.next(), SearchOutcome::NotFound);
    EXPECT_EQ(s.prompter.messages(), QStringList{NotFound});
    EXPECT_EQ(s.search.lastSearch().nextStart, 1);
    EXPECT_EQ(s.next(), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 0);
}

TEST(FindNext, DoesNothingWithoutASearchOrOnABlankOne) {
    Session fresh(QStringLiteral("ab"));
    EXPECT_EQ(fresh.next(), SearchOutcome::Skipped);
    Session blank(QStringLiteral("  ab"));
    blank.find(QStringLiteral("  "));
    EXPECT_EQ(blank.next(), SearchOutcome::Skipped);
    EXPECT_TRUE(blank.prompter.messages().isEmpty());
}

TEST(FindDialog, BeginsAfterTheSelectionElseAtTheStartWhereverTheCaretIs) {
    Session s(QStringLiteral("ab ab ab"));
    s.buffer.select(3, 5);
    s.find(QStringLiteral("ab"));
    EXPECT_EQ(s.buffer.selStart(), 6);

    s.buffer.setSelStart(7);
    s.find(QStringLiteral("ab"));
    EXPECT_EQ(s.buffer.selStart(), 0);
    EXPECT_EQ(s.search.lastSearch().nextStart, 3);
}

TEST(FindDialog, NotFoundShowsThePlainMessageAndPutsTheCaretAtOffsetOne) {
    Session s(QStringLiteral("ab ab"));
    s.buffer.select(3, 5);
    EXPECT_EQ(s.find(QStringLiteral("ab")), SearchOutcome::NotFound);
    EXPECT_EQ(s.prompter.messages(), QStringList{NotFound});
    EXPECT_EQ(s.buffer.selStart(), 1);
    EXPECT_EQ(s.buffer.selLength(), 0);
    // The next search starts over from the beginning.
    EXPECT_EQ(s.find(QStringLiteral("ab")), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 0);
}

TEST(FindDialog, WholeWordHoldsAtTheTextEdgesAndAgainstLatinLetters) {
    struct Case {
        const char* text;
        int selStart; // -1: not found
    };
    const Case cases[] = {
        {"abc", 0},
        {"xabc abc", 5},
        {"abcx", -1},
        {"xabc", -1},
        {"abc,", 0},
        {"(abc)", 1},
        {"\xC3\xA4"
         "abc abcd",
         -1},
        {"1abc", 1},
    };
    for (const Case& c : cases) {
        Session s(QString::fromUtf8(c.text));
        const SearchOutcome outcome = s.find(QStringLiteral("abc"), false, true);
        EXPECT_EQ(outcome == SearchOutcome::Found ? s.buffer.selStart() : -1, c.selStart) << c.text;
    }
}

TEST(FindDialog, IgnoringCaseFoldsOnlyAsciiLettersWhileReplaceAllFoldsAll) {
    Session s(QString::fromUtf8("\xC3\xA4 A \xC3\x84"));
    EXPECT_EQ(s.find(QStringLiteral("a")), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 2);
    s.buffer.setSelStart(0);
    EXPECT_EQ(s.find(QString::fromUtf8("\xC3\x84")), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 4);
    s.buffer.setSelStart(0);
    EXPECT_EQ(s.find(QStringLiteral("a"), true), SearchOutcome::NotFound);

    EXPECT_EQ(DocumentSearch::replaceAll(s.buffer, {QString::fromUtf8("\xC3\x84"), "o", false}), 2);
    EXPECT_EQ(s.buffer.text(), QStringLiteral("o A o"));
}

TEST(FindDialog, OffsetsCountBothHalvesOfCharactersBeyondTheBasicPlane) {
    Session s(QString::fromUtf8("\xF0\x9F\x98\x80"
                                "ab\r\n\xF0\x9F\x98\x80"
                                "ab"));
    s.find(QStringLiteral("ab"));
    EXPECT_EQ(s.buffer.selStart(), 2);
    s.next();
    EXPECT_EQ(s.buffer.selStart(), 8);
    EXPECT_EQ(s.selection(), QStringLiteral("ab"));
    // A search for the character itself selects both halves.
    s.buffer.setSelStart(3);
    s.find(QString::fromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_EQ(s.buffer.selStart(), 0);
    EXPECT_EQ(s.buffer.selLength(), 2);
}

TEST(FindDialog, OpeningPutsTheCaretAtOffsetOneWithoutSplittingACharacterPair) {
    struct Case {
        const char* text;
        int caret;
    };
    const Case cases[] = {{"xyz", 1}, {"", 0}, {"\r\nab", 0}, {"\xF0\x9F\x98\x80x", 0}, {"x", 1}};
    for (const Case& c : cases) {
        MemoryBuffer buffer(QString::fromUtf8(c.text));
        buffer.select(0, int(buffer.text().size()));
        DocumentSearch::beginFind(buffer);
        EXPECT_EQ(buffer.selStart(), c.caret) << c.text;
        EXPECT_EQ(buffer.selLength(), 0) << c.text;
        EXPECT_FALSE(buffer.isModified()) << c.text;
    }
}

TEST(ReplaceDialog, FindNextTellsByInformationAndKeepsTheF3Search) {
    Session s(QStringLiteral("Ab ab"));
    s.find(QStringLiteral("ab"), false, true);
    ReplaceFields fields{QStringLiteral("ab"), QStringLiteral("x"), true};
    EXPECT_EQ(s.search.findForReplace(s.context(), fields), SearchOutcome::Found);
    EXPECT_EQ(s.buffer.selStart(), 3);
    const LastSearch& last = s.search.lastSearch();
    EXPECT_EQ(last.text, QStringLiteral("ab"));
    EXPECT_EQ(last.nextStart, 3);
    EXPECT_TRUE(last.matchCase);
    EXPECT_FALSE(last.wholeWord);

    EXPECT_EQ(s.search.findForReplace(s.context(), fields), SearchOutcome::NotFound);
    EXPECT_EQ(s.prompter.messages(), QStringList{NotFound});
    EXPECT_EQ(s.buffer.selStart(), 1);
}

TEST(ReplaceDialog, ReplaceWritesOverWhateverIsSelectedAndSearchesNoFurther) {
    MemoryBuffer buffer(QStringLiteral("one two one"));
    EXPECT_FALSE(DocumentSearch::replaceSelection(buffer, {"one", "1", false}));
    EXPECT_FALSE(buffer.isModified());
    buffer.select(4, 7);
    EXPECT_TRUE(DocumentSearch::replaceSelection(buffer, {"one", "1", false}));
    EXPECT_EQ(buffer.text(), QStringLiteral("one 1 one"));
    EXPECT_EQ(buffer.selStart(), 5);
    EXPECT_EQ(buffer.selLength(), 0);
}

TEST(ReplaceDialog, OpeningDoesNotMarkTheDocumentModified) {
    MemoryBuffer buffer(QStringLiteral("text"));
    DocumentSearch::beginReplace(buffer);
    EXPECT_FALSE(buffer.isModified());
    EXPECT_EQ(buffer.selStart(), 1);
}

TEST(ReplaceAll, FollowsMatchCase) {
    struct Case {
        const char* text;
        const char* find;
        const char* replace;
        bool matchCase;
        const char* result;
    };
    const Case cases[] = {
        {"Aa", "A", "b", false, "bb"},
        {"Aa", "A", "b", true, "ba"},
        // The inserted text is not searched again.
        {"aXa", "a", "aa", false, "aaXaa"},
        {"aaa", "aa", "b", true, "ba"},
        {"line1\r\nline2\r\n", "line", "L", true, "L1\r\nL2\r\n"},
        {"a\xF0\x9F\x98\x80"
         "b",
         "\xF0\x9F\x98\x80", "-", true, "a-b"},
        {"Stra\xC3\x9F"
         "e STRASSE",
         "\xC3\x9F", "ss", false, "Strasse STRASSE"},
    };
    for (const Case& c : cases) {
        MemoryBuffer buffer(QString::fromUtf8(c.text));
        DocumentSearch::replaceAll(
            buffer, {QString::fromUtf8(c.find), QString::fromUtf8(c.replace), c.matchCase});
        EXPECT_EQ(buffer.text(), QString::fromUtf8(c.result)) << c.text << " " << c.find;
    }
}

TEST(ReplaceAll, IsOneUndoStepAndKeepsTheBookmarks) {
    MemoryBuffer buffer(QStringLiteral("x1\r\nx2\r\nx3"));
    buffer.setBookmark(2, 1);
    buffer.setBookmark(7, 2);
    EXPECT_EQ(DocumentSearch::replaceAll(buffer, {"x", "yy", true}), 3);
    EXPECT_EQ(buffer.text(), QStringLiteral("yy1\r\nyy2\r\nyy3"));
    EXPECT_TRUE(buffer.isModified());
    EXPECT_EQ(buffer.bookmark(2), 1);
    EXPECT_EQ(buffer.bookmark(7), 2);
    buffer.undo();
    EXPECT_EQ(buffer.text(), QStringLiteral("x1\r\nx2\r\nx3"));
    EXPECT_FALSE(buffer.isModified());
}

TEST(ReplaceAll, WithoutAnOccurrenceOrFindTextChangesNothing) {
    MemoryBuffer buffer(QStringLiteral("abc"));
    buffer.select(1, 2);
    EXPECT_EQ(DocumentSearch::replaceAll(buffer, {"z", "y", false}), 0);
    EXPECT_EQ(DocumentSearch::replaceAll(buffer, {"", "y", false}), 0);
    EXPECT_EQ(buffer.text(), QStringLiteral("abc"));
    EXPECT_FALSE(buffer.isModified());
    EXPECT_EQ(buffer.selLength(), 1);
}

TEST(GotoLineTarget, HoldsTheNumberToTheLinesAndRefusesWhatIsNoNumber) {
    struct Case {
        const char* answer;
        std::optional<int> line;
    };
    const Case cases[] = {
        {"5", 4},
        {"1", 0},
        {"10", 9},
        {"11", 9},
        {"99999", 9},
        {"0", 0},
        {"-3", 0},
        {" 7 ", 6},
        {"+2", 1},
        {"00003", 2},
        {"99999999999999999999", 9},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"x", std::nullopt},
        {"5x", std::nullopt},
        {"+", std::nullopt},
        {"1.5", std::nullopt},
        {"\xD9\xA3", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(gotoLineTarget(QString::fromUtf8(c.answer), 10), c.line) << c.answer;
    EXPECT_EQ(gotoLineTarget(QStringLiteral("3"), 0), 0);
}
