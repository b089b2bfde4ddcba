#include "buffer_contract_test.h"

namespace {

const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 code units

QString withNul(const char* before, const char* after) {
    return QString::fromLatin1(before) + QChar(u'\0') + QString::fromLatin1(after);
}

} // namespace

TEST_P(BufferContract, WrittenLineBreaksOfAnyKindReadBackAsCrLf) {
    buffer->loadText(QStringLiteral("a\nb\rc\r\nd"));
    EXPECT_EQ(buffer->text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(buffer->lineCount(), 4);

    buffer->setText(QStringLiteral("x\n\ny"));
    EXPECT_EQ(buffer->text(), QStringLiteral("x\r\n\r\ny"));
}

TEST_P(BufferContract, WholeTextIsExactlyWhatWasLoaded) {
    buffer->loadText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(buffer->text(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(buffer->lineCount(), 2);
    EXPECT_EQ(buffer->line(0), QStringLiteral("a"));
    EXPECT_EQ(buffer->line(1), QStringLiteral("b"));

    buffer->loadText(QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(buffer->text(), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(buffer->lineCount(), 3);
    EXPECT_EQ(buffer->line(2), QString());
}

TEST_P(BufferContract, EmptyTextHasOneEmptyLineAndLinesOutsideAreEmpty) {
    EXPECT_EQ(buffer->text(), QString());
    EXPECT_EQ(buffer->lineCount(), 1);
    EXPECT_EQ(buffer->line(0), QString());

    buffer->loadText(QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(buffer->line(-1), QString());
    EXPECT_EQ(buffer->line(2), QString());
}

TEST_P(BufferContract, EmptyAndBlankAgreeWithTheText) {
    EXPECT_TRUE(buffer->isEmpty());
    EXPECT_TRUE(buffer->isBlank());
    buffer->loadText(QStringLiteral(" \t\r\n ") + QChar(u'\0'));
    EXPECT_FALSE(buffer->isEmpty());
    EXPECT_TRUE(buffer->isBlank());
    // A no-break space and a letter after blanks are text.
    for (const QString& text :
         {QStringLiteral("\u00a0"), QStringLiteral("  \r\n\u00e4"), QStringLiteral(" ") + Emoji}) {
        buffer->loadText(text);
        EXPECT_FALSE(buffer->isBlank());
    }
}

TEST_P(BufferContract, OffsetsCountCrLfAsTwoCodeUnits) {
    buffer->loadText(QStringLiteral("ab\r\ncd"));
    buffer->select(4, 5);
    EXPECT_EQ(buffer->selText(), QStringLiteral("c"));
    buffer->select(1, 5);
    EXPECT_EQ(buffer->selText(), QStringLiteral("b\r\nc"));
    EXPECT_EQ(buffer->selLength(), 4);
}

TEST_P(BufferContract, OffsetInsideALineBreakMeansTheBreaksStart) {
    buffer->loadText(QStringLiteral("ab\r\ncd"));
    buffer->setSelStart(3);
    EXPECT_EQ(buffer->selStart(), 2);
    buffer->select(3, 5);
    EXPECT_EQ(buffer->selStart(), 2);
    buffer->setSelText(QStringLiteral("X"));
    // The break stays whole instead of splitting into a lone CR and LF.
    EXPECT_EQ(buffer->text(), QStringLiteral("abXd"));
    EXPECT_EQ(buffer->lineCount(), 1);
}

// Like a line break, a surrogate pair is one place: an offset inside it means its start, so no
// selection or replacement ever splits it.
TEST_P(BufferContract, OffsetInsideASurrogatePairMeansThePairsStart) {
    buffer->loadText(QStringLiteral("a") + Emoji + QStringLiteral("b") + Emoji);
    buffer->setSelStart(2);
    EXPECT_EQ(buffer->selStart(), 1);
    buffer->select(2, 5);
    EXPECT_EQ(buffer->selStart(), 1);
    EXPECT_EQ(buffer->selLength(), 3);
    EXPECT_EQ(buffer->selText(), Emoji + QStringLiteral("b"));
    buffer->select(0, 2);
    EXPECT_EQ(buffer->selText(), QStringLiteral("a"));
    buffer->setSelStart(4);
    buffer->setSelLength(1);
    EXPECT_EQ(buffer->selLength(), 0);
    buffer->select(0, 2);
    buffer->setSelText(QStringLiteral("X"));
    EXPECT_EQ(buffer->text(), QStringLiteral("X") + Emoji + QStringLiteral("b") + Emoji);
    EXPECT_FALSE(buffer->text().contains(QChar(0xFFFD)));
}

TEST_P(BufferContract, SelectionMadeRightToLeftStartsAtTheCaret) {
    buffer->loadText(QStringLiteral("0123456789abcdef"));
    buffer->select(10, 4);
    EXPECT_EQ(buffer->selStart(), 4);
    EXPECT_EQ(buffer->selLength(), 6);
    EXPECT_EQ(buffer->caretOffset(), 4);
    EXPECT_EQ(buffer->selText(), QStringLiteral("456789"));
}

TEST_P(BufferContract, SetSelTextReplacesSelectionAndLeavesCaretAfterNewText) {
    buffer->loadText(QStringLiteral("0123456789"));
    buffer->select(7, 2);
    buffer->setSelText(QStringLiteral("XY"));
    EXPECT_EQ(buffer->text(), QStringLiteral("01XY789"));
    EXPECT_EQ(buffer->caretOffset(), 4);
    EXPECT_EQ(buffer->selStart(), 4);
    EXPECT_EQ(buffer->selLength(), 0);

    buffer->setSelText(QStringLiteral("+"));
    EXPECT_EQ(buffer->text(), QStringLiteral("01XY+789"));

    buffer->select(0, 2);
    buffer->setSelText(QString());
    EXPECT_EQ(buffer->text(), QStringLiteral("XY+789"));
    EXPECT_EQ(buffer->caretOffset(), 0);
}

TEST_P(BufferContract, SetSelTextPutsCaretAfterTheNormalisedText) {
    buffer->loadText(QStringLiteral("ab"));
    buffer->setSelStart(1);
    buffer->setSelText(QStringLiteral("x\ny\rz"));
    EXPECT_EQ(buffer->text(), QStringLiteral("ax\r\ny\r\nzb"));
    EXPECT_EQ(buffer->caretOffset(), 8);
    EXPECT_EQ(buffer->caretLine(), 3);
    EXPECT_EQ(buffer->caretColumn(), 2);
}

TEST_P(BufferContract, OneUndoRestoresTextReplacedBySetSelText) {
    buffer->loadText(QStringLiteral("first\r\nsecond"));
    buffer->select(2, 9);
    buffer->setSelText(QStringLiteral("1\n2\n3"));
    buffer->undo();
    EXPECT_EQ(buffer->text(), QStringLiteral("first\r\nsecond"));
    // The caret comes back at the end of the restored text, as the editor control does.
    EXPECT_EQ(buffer->caretOffset(), 9);

    buffer->undo();
    EXPECT_EQ(buffer->text(), QStringLiteral("first\r\nsecond"));
}

TEST_P(BufferContract, SetTextIsOneUndoStepWithCaretAtStart) {
    buffer->loadText(QStringLiteral("old text"));
    buffer->select(2, 5);
    buffer->setText(QStringLiteral("new\ntext"));
    EXPECT_EQ(buffer->text(), QStringLiteral("new\r\ntext"));
    EXPECT_EQ(buffer->caretOffset(), 0);
    EXPECT_EQ(buffer->selLength(), 0);
    EXPECT_TRUE(buffer->isModified());

    buffer->undo();
    EXPECT_EQ(buffer->text(), QStringLiteral("old text"));
    EXPECT_FALSE(buffer->isModified());
}

TEST_P(BufferContract, LoadTextLeavesNothingToUndo) {
    buffer->loadText(QStringLiteral("a"));
    buffer->setSelText(QStringLiteral("b"));
    buffer->loadText(QStringLiteral("c"));
    buffer->undo();
    EXPECT_EQ(buffer->text(), QStringLiteral("c"));
    EXPECT_EQ(buffer->caretOffset(), 0);
}

TEST_P(BufferContract, CharactersOutsideTheBasicPlaneCountTwoCodeUnits) {
    buffer->loadText(QStringLiteral("a") + Emoji + QStringLiteral("b\r\n") + Emoji + "c");
    buffer->select(1, 3);
    EXPECT_EQ(buffer->selText(), Emoji);

    buffer->setSelStart(3);
    buffer->setSelText(QStringLiteral("x"));
    EXPECT_EQ(buffer->text(), QStringLiteral("a") + Emoji + QStringLiteral("xb\r\n") + Emoji + "c");
    EXPECT_EQ(buffer->caretOffset(), 4);
    EXPECT_EQ(buffer->caretColumn(), 5);

    buffer->setSelStart(9);
    EXPECT_EQ(buffer->caretLine(), 2);
    EXPECT_EQ(buffer->caretColumn(), 3);
    buffer->setSelLength(1);
    EXPECT_EQ(buffer->selText(), QStringLiteral("c"));
}

TEST_P(BufferContract, NulCharactersSurviveEveryWay) {
    const QString text = withNul("ab", "cd\r\nef");
    buffer->loadText(text);
    EXPECT_EQ(buffer->text(), text);
    EXPECT_EQ(buffer->line(0), withNul("ab", "cd"));

    buffer->select(1, 4);
    EXPECT_EQ(buffer->selText(), withNul("b", "c"));
    buffer->setSelText(withNul("X", "Y"));
    EXPECT_EQ(buffer->text(), QStringLiteral("a") + withNul("X", "Yd\r\nef"));
    EXPECT_EQ(buffer->caretOffset(), 4);

    buffer->setText(withNul("", ""));
    EXPECT_EQ(buffer->text().size(), 1);
    EXPECT_EQ(buffer->text().at(0), QChar(u'\0'));
}

TEST_P(BufferContract, CaretLineAndColumnCountFromOne) {
    buffer->loadText(QStringLiteral("ab\r\ncde"));
    const struct {
        int offset, line, column;
    } cases[] = {{0, 1, 1}, {2, 1, 3}, {4, 2, 1}, {7, 2, 4}};
    for (const auto& c : cases) {
        buffer->setSelStart(c.offset);
        EXPECT_EQ(buffer->caretLine(), c.line) << "offset " << c.offset;
        EXPECT_EQ(buffer->caretColumn(), c.column) << "offset " << c.offset;
    }
}

TEST_P(BufferContract, SetSelLengthSelectsFromSelStartAndZeroCollapsesWithoutDeleting) {
    buffer->loadText(QStringLiteral("0123456789"));
    buffer->setSelStart(3);
    buffer->setSelLength(4);
    EXPECT_EQ(buffer->selStart(), 3);
    EXPECT_EQ(buffer->selText(), QStringLiteral("3456"));

    buffer->setSelLength(0);
    EXPECT_EQ(buffer->selStart(), 3);
    EXPECT_EQ(buffer->selLength(), 0);
    EXPECT_EQ(buffer->text(), QStringLiteral("0123456789"));

    buffer->select(8, 5);
    buffer->setSelStart(6);
    EXPECT_EQ(buffer->selStart(), 6);
    EXPECT_EQ(buffer->selLength(), 0);
}

TEST_P(BufferContract, OffsetsBeyondTheTextStopAtItsEnds) {
    buffer->loadText(QStringLiteral("abc\r\nde"));
    buffer->setSelStart(100);
    EXPECT_EQ(buffer->caretOffset(), 7);
    buffer->setSelStart(-5);
    EXPECT_EQ(buffer->caretOffset(), 0);
    buffer->setSelLength(100);
    EXPECT_EQ(buffer->selLength(), 7);
}

TEST_P(BufferContract, SelectAllSelectsTheWholeText) {
    buffer->loadText(QStringLiteral("ab\r\ncd"));
    buffer->selectAll();
    EXPECT_EQ(buffer->selStart(), 0);
    EXPECT_EQ(buffer->selLength(), 6);
    EXPECT_EQ(buffer->selText(), QStringLiteral("ab\r\ncd"));
}

TEST_P(BufferContract, ModifiedFlagFollowsEditsLoadsAndSavePoints) {
    buffer->loadText(QStringLiteral("abc"));
    EXPECT_FALSE(buffer->isModified());

    buffer->setSelText(QStringLiteral("x"));
    EXPECT_TRUE(buffer->isModified());
    buffer->undo();
    EXPECT_FALSE(buffer->isModified());

    buffer->setModified(true);
    EXPECT_TRUE(buffer->isModified());
    buffer->setModified(false);
    EXPECT_FALSE(buffer->isModified());

    buffer->setSelText(QStringLiteral("y"));
    buffer->setModified(false);
    buffer->undo();
    EXPECT_TRUE(buffer->isModified());
    buffer->setSelText(QStringLiteral("z"));
    EXPECT_TRUE(buffer->isModified());

    buffer->loadText(QStringLiteral("new"));
    EXPECT_FALSE(buffer->isModified());
}

TEST_P(BufferContract, SelectingAndEmptyWritesLeaveTheTextUnmodified) {
    buffer->loadText(QStringLiteral("abc"));
    buffer->select(0, 2);
    buffer->setSelLength(0);
    buffer->setSelText(QString());
    EXPECT_FALSE(buffer->isModified());
    EXPECT_EQ(buffer->text(), QStringLiteral("abc"));
}

TEST_P(BufferContract, BookmarksAreSetReadAndCleared) {
    buffer->loadText(QStringLiteral("0\r\n1\r\n2\r\n3"));
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i)
        EXPECT_EQ(buffer->bookmark(i), -1);

    buffer->setBookmark(0, 2);
    buffer->setBookmark(9, 2);
    buffer->setBookmark(4, 0);
    EXPECT_EQ(buffer->bookmark(0), 2);
    EXPECT_EQ(buffer->bookmark(9), 2);
    EXPECT_EQ(buffer->bookmark(4), 0);

    buffer->setBookmark(0, 3);
    EXPECT_EQ(buffer->bookmark(0), 3);
    EXPECT_EQ(buffer->bookmark(9), 2);

    buffer->clearBookmark(9);
    EXPECT_EQ(buffer->bookmark(9), -1);
    buffer->clearAllBookmarks();
    EXPECT_EQ(buffer->bookmark(0), -1);
    EXPECT_EQ(buffer->bookmark(4), -1);
}

TEST_P(BufferContract, BookmarkOutsideTheLinesOrNumbersIsNotSet) {
    buffer->loadText(QStringLiteral("0\r\n1"));
    buffer->setBookmark(1, 0);
    buffer->setBookmark(1, 2);
    EXPECT_EQ(buffer->bookmark(1), -1);
    buffer->setBookmark(10, 0);
    EXPECT_EQ(buffer->bookmark(10), -1);
    EXPECT_EQ(buffer->bookmark(-1), -1);
}

TEST_P(BufferContract, LoadingTextClearsBookmarks) {
    buffer->loadText(QStringLiteral("0\r\n1"));
    buffer->setBookmark(3, 1);
    buffer->loadText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(buffer->bookmark(3), -1);
}

TEST_P(BufferContract, BookmarksMoveWithTheirLines) {
    buffer->loadText(QStringLiteral("l0\r\nl1\r\nl2\r\nl3\r\nl4"));
    buffer->setBookmark(1, 1);
    buffer->setBookmark(2, 2);
    buffer->setBookmark(3, 4);

    buffer->setSelStart(0);
    buffer->setSelText(QStringLiteral("new\r\n"));
    EXPECT_EQ(buffer->bookmark(1), 2);
    EXPECT_EQ(buffer->bookmark(2), 3);
    EXPECT_EQ(buffer->bookmark(3), 5);

    // Breaking a line in its middle leaves that line's bookmark where it is.
    buffer->setSelStart(buffer->text().indexOf(QStringLiteral("l2")) + 1);
    buffer->setSelText(QStringLiteral("\r\n"));
    EXPECT_EQ(buffer->bookmark(2), 3);
    EXPECT_EQ(buffer->bookmark(3), 6);

    // Removed lines hand their bookmarks to the line where the removal starts.
    const int from = int(buffer->text().indexOf(QStringLiteral("l1")));
    buffer->select(from, int(buffer->text().indexOf(QStringLiteral("l3"))));
    buffer->setSelText(QString());
    EXPECT_EQ(buffer->bookmark(1), 2);
    EXPECT_EQ(buffer->bookmark(2), 2);
    EXPECT_EQ(buffer->bookmark(3), 3);
    EXPECT_EQ(buffer->text(), QStringLiteral("new\r\nl0\r\nl3\r\nl4"));
}

TEST_P(BufferContract, ReplacingTheWholeTextDropsBookmarks) {
    buffer->loadText(QStringLiteral("0\r\n1"));
    buffer->setBookmark(5, 1);
    buffer->setText(QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(buffer->bookmark(5), -1);
}
