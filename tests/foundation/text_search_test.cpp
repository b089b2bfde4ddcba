#include "foundation/text/text_search.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

int find(const char* text, const char* pattern, int start, int limit, bool wholeWord = false,
         bool caseSensitive = true) {
    return findInText(QString::fromUtf8(text), QString::fromUtf8(pattern), start, limit, wholeWord,
                      caseSensitive);
}

} // namespace

TEST(FindInText, LimitZeroOrLessGivesMinusOneEvenWhenThePatternOccurs) {
    EXPECT_EQ(find("abc", "a", 1, 0), -1);
    EXPECT_EQ(find("abc", "a", 1, -5), -1);
    EXPECT_EQ(find("", "a", 1, 0), -1);
}

TEST(FindInText, ReturnsZeroWhenAbsentAndMinusOneWhenBeyondTheLimit) {
    EXPECT_EQ(find("abc", "x", 1, 3), 0);
    EXPECT_EQ(find("abcabc", "c", 1, 2), -1);
    EXPECT_EQ(find("abcabc", "c", 1, 3), 3);
    EXPECT_EQ(find("abcabc", "c", 4, 6), 6);
    EXPECT_EQ(find("abcabc", "abc", 2, 6), 4);
}

TEST(FindInText, BadStartOrEmptyArgumentsFindNothing) {
    EXPECT_EQ(find("abc", "a", 0, 3), 0);
    EXPECT_EQ(find("abc", "c", 4, 3), 0);
    EXPECT_EQ(find("abc", "", 1, 3), 0);
    EXPECT_EQ(find("", "a", 1, 3), 0);
    EXPECT_EQ(find("ab", "abc", 1, 3), 0);
}

TEST(FindInText, IgnoringCaseFoldsOnlyAsciiLetters) {
    EXPECT_EQ(find("xx<TD>", "<td", 1, 6, false, false), 3);
    EXPECT_EQ(find("xx<TD>", "<td", 1, 6, false, true), 0);
    EXPECT_EQ(find("Äa ä", "ä", 1, 4, false, false), 4);
    EXPECT_EQ(find("Ä", "ä", 1, 1, false, false), 0);
    EXPECT_EQ(find("É", "é", 1, 1, false, false), 0);
}

TEST(FindInText, WholeWordSkipsOccurrencesInsideWords) {
    EXPECT_EQ(find("xabc abc", "abc", 1, 8, true), 6);
    EXPECT_EQ(find("abc", "abc", 1, 3, true), 1);
    EXPECT_EQ(find("xabc", "abc", 1, 4, true), -1);
    EXPECT_EQ(find("abcx", "abc", 1, 4, true), -1);
    // Resuming below the limit and finding nothing more is "not found", not "beyond".
    EXPECT_EQ(find("abcx", "abc", 1, 100, true), 0);
    // Digits and the underscore are no letters; Latin-1 letters are.
    EXPECT_EQ(find("1abc_", "abc", 1, 5, true), 2);
    EXPECT_EQ(find("éabc abc", "abc", 1, 8, true), 6);
    EXPECT_EQ(find("abcÿ", "abc", 1, 4, true), -1);
    // U+0100 is outside the letters of the test.
    EXPECT_EQ(find("\xC4\x80"
                   "abc",
                   "abc", 1, 4, true),
              2);
    EXPECT_EQ(find("xABC Abc", "abc", 1, 8, true, false), 6);
}

TEST(FindInText, AcceptedWholeWordBeyondTheLimitGivesMinusOne) {
    EXPECT_EQ(find("xabc abc", "abc", 1, 5, true), -1);
    EXPECT_EQ(find("abc abc", "abc", 2, 4, true), -1);
}

TEST(FindInText, FoldedSearchAgreesWithPlainSearchOnRandomTexts) {
    // Repetitive alphabets exercise the fall-back paths of the search.
    QRandomGenerator random(1234);
    const QString alphabet = QStringLiteral("aAbB<");
    auto randomText = [&](int length) {
        QString s;
        for (int i = 0; i < length; ++i)
            s += alphabet[random.bounded(int(alphabet.size()))];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        const QString text = randomText(random.bounded(1, 40));
        const QString pattern = randomText(random.bounded(1, 6));
        const int start = random.bounded(0, int(text.size()) + 2);
        const QString lowerText = text.toLower();
        const QString lowerPattern = pattern.toLower();
        const qsizetype expected =
            start >= 1 && start <= text.size() ? lowerText.indexOf(lowerPattern, start - 1) : -1;
        const int got = findInText(text, pattern, start, int(text.size()), false, false);
        ASSERT_EQ(got, expected < 0 ? 0 : int(expected) + 1)
            << text.toStdString() << " / " << pattern.toStdString() << " from " << start;
    }
}

TEST(FindIgnoreCase, FindsTheFirstHundredCharactersOfALongNeedle) {
    const QString needle = QString(100, QLatin1Char('a')) + QString(50, QLatin1Char('b'));
    const QString haystack =
        QStringLiteral("xx") + QString(100, QLatin1Char('A')) + QStringLiteral("c");
    EXPECT_EQ(findIgnoringCase(needle, haystack, 1, 1000), 3);
}

TEST(FindIgnoreCase, GivesZeroForBlankTextsAndAShortEditorText) {
    EXPECT_EQ(findIgnoringCase(u"<td", u"  \r\n", 1, 100), 0);
    EXPECT_EQ(findIgnoringCase(u"  ", u"a  b", 1, 100), 0);
    // The editor's whole text, not the haystack, must be as long as the needle...
    EXPECT_EQ(findIgnoringCase(u"<td", u"<TD>", 1, 2), 0);
    EXPECT_EQ(findIgnoringCase(u"<td", u"<TD>", 1, 3), 1);
    // ... and longer than the offset.
    EXPECT_EQ(findIgnoringCase(u"<td", u"<tr><td>", 5, 5), 0);
    EXPECT_EQ(findIgnoringCase(u"<td", u"<tr><td>", 5, 6), 5);
}

TEST(FindIgnoreCase, OffsetsCountFromOneAndBelowOneCountAsOne) {
    EXPECT_EQ(findIgnoringCase(u"b", u"abab", 0, 10), 2);
    EXPECT_EQ(findIgnoringCase(u"b", u"abab", -3, 10), 2);
    EXPECT_EQ(findIgnoringCase(u"b", u"abab", 3, 10), 4);
    EXPECT_EQ(findIgnoringCase(u"b", u"abab", 5, 10), 0);
    EXPECT_EQ(findIgnoringCase(u"ä", u"Ä", 1, 10), 0);
}

TEST(TextSearch, LastOccurrenceFromAStartIgnoringCase) {
    EXPECT_EQ(lastIndexOfIgnoreAsciiCase(u"</TD>x</td>", u"</td>", 0), 6);
    EXPECT_EQ(lastIndexOfIgnoreAsciiCase(u"</TD>x</td>", u"</td>", 7), -1);
    EXPECT_EQ(lastIndexOfIgnoreAsciiCase(u"</td", u"</td>", 0), -1);
}
