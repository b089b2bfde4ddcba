#include "foundation/text/case_rules.h"

#include <gtest/gtest.h>

TEST(CaseRules, AsciiFoldsOnlyAToZWhileFullFoldsAccentedLetters) {
    EXPECT_EQ(indexOfIgnoreAsciiCase(u"x<TD>", u"<td"), 1);
    EXPECT_EQ(indexOfIgnoreAsciiCase(u"\u00C4", u"\u00E4"), -1);
    EXPECT_EQ(indexOfIgnoringCase(u"\u00C4", u"\u00E4"), 0);
    // Upper-casing one unit for one: a long s is an "S", so positions stay those of the text.
    EXPECT_EQ(indexOfIgnoringCase(u"<\u017Ftyle>", u"<style"), 0);
    EXPECT_EQ(indexOfIgnoreAsciiCase(u"<\u017Ftyle>", u"<style"), -1);
    EXPECT_EQ(indexOfFolded(u"aA", u"A", 0, CaseRule::Exact), 1);
}

TEST(CaseRules, SearchStartsAtFromAndFindsOverlappingCandidates) {
    EXPECT_EQ(indexOfIgnoringCase(u"a<BODY class=x>", u"<body", 0), 1);
    EXPECT_EQ(indexOfIgnoringCase(u"a<BODY class=x>", u"<body", 2), -1);
    // A partial match that fails must not hide a match starting inside it.
    EXPECT_EQ(indexOfIgnoringCase(u"aaab", u"aab"), 1);
    EXPECT_EQ(indexOfIgnoreAsciiCase(u"<<<td", u"<<td"), 1);
    EXPECT_EQ(indexOfIgnoringCase(u"abc", u""), -1);
    EXPECT_EQ(indexOfIgnoringCase(u"abc", u"abcd"), -1);
}

TEST(CaseRules, ReplaceAllGoesLeftToRightWithoutOverlapAndNeverRescans) {
    EXPECT_EQ(replaceAllFolded(QStringLiteral("aaaa"), u"aa", u"b", CaseRule::Exact),
              QStringLiteral("bb"));
    EXPECT_EQ(replaceAllFolded(QStringLiteral("<LI>x<li>"), u"<li>", u"", CaseRule::Full),
              QStringLiteral("x"));
    // The inserted text holds the pattern again; it stays.
    EXPECT_EQ(replaceAllFolded(QStringLiteral("ab"), u"a", u"aa", CaseRule::Full),
              QStringLiteral("aab"));
    EXPECT_EQ(replaceAllFolded(QStringLiteral("none"), u"x", u"y", CaseRule::Full),
              QStringLiteral("none"));
}
