#include "editor/completion_entries.h"

#include <gtest/gtest.h>

namespace {

QStringList shownTexts(const QList<int>& indices) {
    QStringList texts;
    for (int i : indices)
        texts << completionEntries()[i].shown;
    return texts;
}

QString insertedFor(const QString& shown) {
    for (const CompletionEntry& e : completionEntries()) {
        if (e.shown == shown)
            return e.inserted;
    }
    return QString();
}

} // namespace

TEST(CompletionEntries, ListHas48EntriesWithHeadTwice) {
    const QList<CompletionEntry>& entries = completionEntries();
    ASSERT_EQ(entries.size(), 48);
    EXPECT_EQ(entries[16].shown, QStringLiteral("<head>"));
    EXPECT_EQ(entries[43].shown, QStringLiteral("<head>"));
    EXPECT_EQ(entries[16].inserted, entries[43].inserted);
    EXPECT_EQ(entries.first().shown, QStringLiteral("<a href"));
    EXPECT_EQ(entries.last().shown, QStringLiteral("<!doctype>"));
}

TEST(CompletionEntries, ShownAndInsertedTextsDiffer) {
    EXPECT_EQ(insertedFor(QStringLiteral("<adress>")), QStringLiteral("<address></address>"));
    EXPECT_EQ(insertedFor(QStringLiteral("<br>")), QStringLiteral("<br />"));
    EXPECT_EQ(insertedFor(QStringLiteral("<a href")),
              QStringLiteral("<a href=\"https://www.example.com/\" target=\"_blank\">Link</a>"));
}

TEST(CompletionEntries, RetMarkersAreKeptLiterally) {
    EXPECT_EQ(insertedFor(QStringLiteral("<ul>")),
              QStringLiteral("<ul type=\"circle/disc/square\">$ret<li></li>$ret</ul>"));
    EXPECT_EQ(insertedFor(QStringLiteral("<script>")),
              QStringLiteral("<script type=\"text/javascript\">$ret ...$ret</script>"));
}

TEST(CompletionMatches, TokenLimitsTheListInListOrder) {
    EXPECT_EQ(shownTexts(completionMatches(u"<t")),
              (QStringList{"<table>", "<tr>", "<td>", "<textarea>", "<title>"}));
    EXPECT_EQ(shownTexts(completionMatches(u"<fr")), (QStringList{"<frame>", "<frameset>"}));
    EXPECT_EQ(shownTexts(completionMatches(u"<head>")), (QStringList{"<head>", "<head>"}));
}

TEST(CompletionMatches, IgnoresLetterCase) {
    EXPECT_EQ(shownTexts(completionMatches(u"<TA")), QStringList{"<table>"});
    EXPECT_EQ(shownTexts(completionMatches(u"<!DOC")), QStringList{"<!doctype>"});
}

TEST(CompletionMatches, EmptyTokenMatchesAllAndUnknownTokenNothing) {
    EXPECT_EQ(completionMatches(u"").size(), 48);
    EXPECT_EQ(completionMatches(u"<").size(), 48);
    EXPECT_TRUE(completionMatches(u"<tx").isEmpty());
    EXPECT_TRUE(completionMatches(u"table").isEmpty());
}

TEST(CompletionToken, StartsAtTheLastAngleBracket) {
    EXPECT_EQ(completionTokenStart(u"<t"), 0);
    EXPECT_EQ(completionTokenStart(u"text<ta"), 4);
    EXPECT_EQ(completionTokenStart(u"<b>bold<"), 7);
}

TEST(CompletionToken, EndsAtEndOfTokenCharactersAndBreaks) {
    EXPECT_EQ(completionTokenStart(u"<img src"), 5);
    EXPECT_EQ(completionTokenStart(u"f(x"), 2);
    EXPECT_EQ(completionTokenStart(u"a.b"), 2);
    EXPECT_EQ(completionTokenStart(u"[<u"), 1);
    EXPECT_EQ(completionTokenStart(u"x\t<p"), 2);
    EXPECT_EQ(completionTokenStart(u"end "), 4);
    EXPECT_EQ(completionTokenStart(u""), 0);
}
