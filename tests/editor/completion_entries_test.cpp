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

constexpr int ClassicEntries = 48;

TEST(CompletionEntries, The48ClassicEntriesComeFirstWithHeadTwice) {
    const QList<CompletionEntry>& entries = completionEntries();
    ASSERT_GT(entries.size(), ClassicEntries);
    EXPECT_EQ(entries[16].shown, QStringLiteral("<head>"));
    EXPECT_EQ(entries[43].shown, QStringLiteral("<head>"));
    EXPECT_EQ(entries[16].inserted, entries[43].inserted);
    EXPECT_EQ(entries.first().shown, QStringLiteral("<a href"));
    EXPECT_EQ(entries[ClassicEntries - 1].shown, QStringLiteral("<!doctype>"));
}

TEST(CompletionEntries, Html5EntriesFollowEachOnceAndInsertTheirElement) {
    const QList<CompletionEntry>& entries = completionEntries();
    QStringList shown;
    for (const CompletionEntry& e : entries)
        shown << e.shown;
    for (int i = ClassicEntries; i < entries.size(); ++i) {
        const QString& entry = entries[i].shown;
        EXPECT_EQ(shown.count(entry), 1) << entry.toStdString();
        const QString name = entry.mid(1, entry.size() - 2);
        EXPECT_TRUE(entries[i].inserted.startsWith(QLatin1Char('<') + name)) << entry.toStdString();
        EXPECT_TRUE(entries[i].inserted.endsWith(QStringLiteral("</") + name + QLatin1Char('>')) ||
                    !entries[i].inserted.contains(QStringLiteral("</") + name))
            << entry.toStdString();
    }
    for (const char* element :
         {"<section>", "<article>", "<nav>",        "<header>", "<footer>",   "<main>",
          "<aside>",   "<figure>",  "<figcaption>", "<video>",  "<audio>",    "<source>",
          "<track>",   "<picture>", "<template>",   "<canvas>", "<dialog>",   "<details>",
          "<summary>", "<mark>",    "<time>",       "<output>", "<progress>", "<meter>"})
        EXPECT_GE(shown.indexOf(QLatin1String(element)), ClassicEntries) << element;
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
              (QStringList{"<table>", "<tr>", "<td>", "<textarea>", "<title>", "<template>",
                           "<time>", "<track>"}));
    EXPECT_EQ(shownTexts(completionMatches(u"<fr")), (QStringList{"<frame>", "<frameset>"}));
    EXPECT_EQ(shownTexts(completionMatches(u"<head>")), (QStringList{"<head>", "<head>"}));
}

TEST(CompletionMatches, IgnoresLetterCase) {
    EXPECT_EQ(shownTexts(completionMatches(u"<TA")), QStringList{"<table>"});
    EXPECT_EQ(shownTexts(completionMatches(u"<!DOC")), QStringList{"<!doctype>"});
}

TEST(CompletionMatches, EmptyTokenMatchesAllAndUnknownTokenNothing) {
    EXPECT_EQ(completionMatches(u"").size(), completionEntries().size());
    EXPECT_EQ(completionMatches(u"<").size(), completionEntries().size());
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
