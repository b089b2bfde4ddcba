#include "features/text_transforms/hyphenation.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "test_paths.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// The reference model: after each deletion the text is read again, and every look-up scans
// the text as it is then.
HyphenRemoval referenceHyphenRemoval(QString t) {
    auto insideTagOrBraces = [&](qsizetype p) {
        const qsizetype lt = t.indexOf(QLatin1Char('<'), p), gt = t.indexOf(QLatin1Char('>'), p);
        const qsizetype ob = t.indexOf(QLatin1Char('{'), p), cb = t.indexOf(QLatin1Char('}'), p);
        return (gt >= 0 && lt >= 0 && gt < lt) || (cb >= 0 && ob >= 0 && cb < ob);
    };
    auto exception = [&](qsizetype h) {
        const QString near = t.mid(qMax<qsizetype>(h - 4, 0), 10);
        const QString wide = t.mid(qMax<qsizetype>(h - 15, 0), 25);
        for (const char* s : {"-to-", "-of-", "Know-how", "the-art"})
            if (near.contains(QLatin1String(s)))
                return true;
        return wide.contains(QLatin1String("www."));
    };
    HyphenRemoval r;
    const qsizetype body =
        qMax<qsizetype>(t.indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive), 0);
    for (qsizetype h = t.indexOf(QLatin1Char('-'), body); h >= 0;
         h = t.indexOf(QLatin1Char('-'), h + 1)) {
        const bool lowerNext =
            h + 1 < t.size() && t[h + 1] >= QLatin1Char('a') && t[h + 1] <= QLatin1Char('z');
        if (!insideTagOrBraces(h + 1) && lowerNext && !insideTagOrBraces(h) && !exception(h)) {
            t.remove(h, 1);
            ++r.count;
            r.lastRemoved = h;
        }
    }
    r.text = t;
    return r;
}

QString removed(const QString& text) {
    return removeHyphenation(text).text;
}

QString body(const QString& text) {
    return QStringLiteral("<body>") + text;
}

} // namespace

TEST(RemoveHyphenation, HyphenBeforeALowerCaseLetterGoes) {
    EXPECT_EQ(removed(body(QStringLiteral("Silben-trennung"))),
              body(QStringLiteral("Silbentrennung")));
    for (const char* stays : {"Silben-Trennung", "Silben- trennung", "Silben-\r\ntrennung",
                              "Silben-\u00fcbung", "Jahr-2000", "ende-"})
        EXPECT_EQ(removed(body(QString::fromUtf8(stays))), body(QString::fromUtf8(stays))) << stays;
}

TEST(RemoveHyphenation, ExceptionsAreCaseSensitive) {
    for (const char* stays : {"up-to-date", "state-of-the-art", "Know-how", "a the-art b"})
        EXPECT_EQ(removed(body(QLatin1String(stays))), body(QLatin1String(stays))) << stays;
    EXPECT_EQ(removed(body(QStringLiteral("know-how"))), body(QStringLiteral("knowhow")));
    EXPECT_EQ(removed(body(QStringLiteral("UP-TO-date"))), body(QStringLiteral("UP-TOdate")));
}

TEST(RemoveHyphenation, WebAddressKeepsItsHyphenWithinFifteenCharacters) {
    // "www." begins 15 characters before the hyphen: it stays.
    EXPECT_EQ(removed(body(QStringLiteral("www.abcdefghijk-lm.de"))),
              body(QStringLiteral("www.abcdefghijk-lm.de")));
    // 16 characters before: it goes.
    EXPECT_EQ(removed(body(QStringLiteral("www.abcdefghijkl-mn.de"))),
              body(QStringLiteral("www.abcdefghijklmn.de")));
}

TEST(RemoveHyphenation, StretchesNearTheStartKeepTheirLength) {
    // For the hyphen at index 3 the ten characters from the first one reach index 9.
    EXPECT_EQ(removed(QStringLiteral("abc-de-to-")), QStringLiteral("abc-de-to-"));
    EXPECT_EQ(removed(QStringLiteral("abcd-ef-to-")), QStringLiteral("abcdef-to-"));
}

TEST(RemoveHyphenation, HyphensInsideTagsAndBracesStay) {
    const QString page =
        QStringLiteral("<body><p class=\"main-menu\">a-b</p><style>p{ margin-top: 0 } q{}</style>");
    EXPECT_EQ(removed(page), QStringLiteral("<body><p class=\"main-menu\">ab</p>"
                                            "<style>p{ margin-top: 0 } q{}</style>"));
    // After the last "<" a ">" no longer counts, after the last "{" no "}" does.
    EXPECT_EQ(removed(QStringLiteral("<body>x> a-b")), QStringLiteral("<body>x> ab"));
    EXPECT_EQ(removed(QStringLiteral("<body>x} a-b")), QStringLiteral("<body>x} ab"));
}

TEST(RemoveHyphenation, HeadIsNeverLookedAt) {
    EXPECT_EQ(removed(QStringLiteral("<title>Silben-trennung</title><BODY>Silben-trennung")),
              QStringLiteral("<title>Silben-trennung</title><BODY>Silbentrennung"));
    // Without a body the whole text counts.
    EXPECT_EQ(removed(QStringLiteral("Silben-trennung")), QStringLiteral("Silbentrennung"));
}

// The exceptions see the text with the earlier hyphens already gone: "th-e-art" first loses
// the hyphen before "e", and then reads "the-art".
TEST(RemoveHyphenation, ExceptionsSeeEarlierRemovals) {
    EXPECT_EQ(removed(body(QStringLiteral("th-e-art"))), body(QStringLiteral("the-art")));
}

TEST(RemoveHyphenation, MatchesTheReferenceOnRandomTexts) {
    QRandomGenerator random(20240517);
    const QString alphabet = QStringLiteral("-----abtofhewrnK.<>{}  \r\nAw");
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int length = random.bounded(40);
        for (int i = 0; i < length; ++i)
            text.append(alphabet[random.bounded(int(alphabet.size()))]);
        if (random.bounded(4) == 0)
            text.insert(random.bounded(int(text.size()) + 1), QStringLiteral("<BoDy>"));
        const HyphenRemoval expected = referenceHyphenRemoval(text);
        const HyphenRemoval actual = removeHyphenation(text);
        ASSERT_EQ(actual.text, expected.text) << text.toStdString();
        ASSERT_EQ(actual.count, expected.count) << text.toStdString();
        ASSERT_EQ(actual.lastRemoved, expected.lastRemoved) << text.toStdString();
    }
}

TEST(RemoveHyphenation, MatchesTheReferenceOnCorpusPages) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "no corpus";
    int removedSomewhere = 0;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const std::optional<LoadedDocument> doc = loadDocumentFile(folder + '/' + name);
        ASSERT_TRUE(doc) << name.toStdString();
        const HyphenRemoval expected = referenceHyphenRemoval(doc->text);
        const HyphenRemoval actual = removeHyphenation(doc->text);
        EXPECT_EQ(actual.text, expected.text) << name.toStdString();
        EXPECT_EQ(actual.count, expected.count) << name.toStdString();
        if (actual.count > 0)
            ++removedSomewhere;
    }
    EXPECT_GT(removedSomewhere, 10);
}

TEST(RemoveHyphenationCommand, ShowsTheCountAndLeavesTheCaretAtTheLastRemoval) {
    MessageTable messages;
    ScriptedPrompter prompter;
    const QString page = QStringLiteral("<body>Sil-ben-tren-nung, Know-how");
    MemoryBuffer editor(page);
    removeHyphenationCommand({editor, prompter, messages});
    EXPECT_EQ(editor.text(), QStringLiteral("<body>Silbentrennung, Know-how"));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("3 x hyphenation deleted.")});
    EXPECT_EQ(editor.selStart(), 16); // where "-nung" lost its hyphen
    EXPECT_EQ(editor.selLength(), 0);
    editor.undo();
    EXPECT_EQ(editor.text(), page);
}

TEST(RemoveHyphenationCommand, NothingToRemoveChangesNothingButStillReports) {
    MessageTable messages;
    messages.setLanguage(UiLanguage::German);
    ScriptedPrompter prompter;
    MemoryBuffer editor(QStringLiteral("<body>up-to-date"));
    editor.select(6, 9);
    removeHyphenationCommand({editor, prompter, messages});
    EXPECT_EQ(editor.text(), QStringLiteral("<body>up-to-date"));
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(editor.selStart(), 6);
    EXPECT_EQ(editor.selLength(), 3);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages().first(), QStringLiteral("0") + messages.message(34));
}
