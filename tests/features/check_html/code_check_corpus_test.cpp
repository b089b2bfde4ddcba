// hexlume-cli check-html on every real page: it finishes, the words a reader sees are all
// still there, in the same order, and so are the script and style blocks, the comments and the
// quoted attribute values, byte for byte.

#include "cli/cli_runner.h"
#include "features/check_html/code_check.h"
#include "foundation/document/document_file.h"
#include "foundation/messages/message_table.h"
#include "foundation/text/case_rules.h"
#include "kept_texts.h"
#include "test_paths.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// The end of the construct that begins at `at` and hides its text from the reader: script and
// style blocks, comments and declarations, and tags; -1 when none begins there.
qsizetype hiddenEnd(QStringView text, qsizetype at) {
    if (text[at] != QLatin1Char('<') || at + 1 >= text.size())
        return -1;
    for (QStringView block : {QStringView(u"script"), QStringView(u"style")}) {
        if (matchesIgnoreAsciiCaseAt(text, at + 1, block)) {
            const QString close = QStringLiteral("</") + block.toString();
            const qsizetype end = indexOfIgnoreAsciiCase(text, close, at);
            return end < 0 ? text.size() : qMax(end, text.indexOf(QLatin1Char('>'), end) + 1);
        }
    }
    if (matchesIgnoreAsciiCaseAt(text, at, u"<!--")) {
        const qsizetype end = text.indexOf(u"-->", at + 4);
        return end < 0 ? text.size() : end + 3;
    }
    // A "<" starts a tag only before a letter, "/", "!" or "?"; else it is text.
    const QChar next = text[at + 1];
    const bool tag = (next.unicode() < 0x80 && next.isLetter()) || next == QLatin1Char('/') ||
                     next == QLatin1Char('!') || next == QLatin1Char('?');
    if (!tag)
        return -1;
    const qsizetype end = text.indexOf(QLatin1Char('>'), at);
    return end < 0 ? text.size() : end + 1;
}

// Letters and digits outside hidden constructs; entities and tags separate words.
QStringList visibleWords(QStringView text) {
    QStringList words;
    QString word;
    auto endWord = [&] {
        if (!word.isEmpty())
            words << word;
        word.clear();
    };
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype hidden = hiddenEnd(text, at);
        if (hidden >= 0) {
            endWord();
            at = hidden;
            continue;
        }
        const QChar c = text[at];
        if (c == QLatin1Char('&')) {
            endWord();
            qsizetype end = at + 1;
            while (end < text.size() && (text[end].isLetterOrNumber() || text[end] == u'#'))
                ++end;
            at = end < text.size() && text[end] == QLatin1Char(';') ? end + 1 : end;
            continue;
        }
        if (c.isLetterOrNumber())
            word += c;
        else
            endWord();
        ++at;
    }
    endWord();
    return words;
}

// Pages where the rules themselves change what a reader sees, with the reason.
const QSet<QString>& pagesWithChangedWords() {
    static const QSet<QString> pages{
        // "When<font size=-1> </font>you": an element holding only a blank is empty, and its
        // removal joins the two words.
        QStringLiteral("junit-2000-testing.htm"),
    };
    return pages;
}

} // namespace

TEST(CheckHtmlOnCorpus, FinishesAndKeepsEveryVisibleWordAndEveryProtectedText) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "corpus not found";
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.htm*")}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    QStringList changed;
    for (const QString& name : names) {
        const QString path = QDir(folder).filePath(name);
        const auto loaded = loadDocumentFile(path);
        ASSERT_TRUE(loaded) << name.toStdString();
        const CliResult result =
            runCli({QStringLiteral("--json"), QStringLiteral("check-html"), path},
                   [] { return QByteArray(); });
        ASSERT_EQ(result.exitCode, 0) << name.toStdString();
        const QJsonObject json = QJsonDocument::fromJson(result.standardOutput).object();
        ASSERT_TRUE(json.value(QStringLiteral("modified")).toBool()) << name.toStdString();
        const QString text = json.value(QStringLiteral("text")).toString();
        // Before the generator element goes in, which rewrites a value by design.
        const QString lost =
            keptTexts::missing(loaded->text, checkHtmlText(loaded->text, MessageTable()).text);
        EXPECT_TRUE(lost.isEmpty()) << name.toStdString() << ": " << lost.toStdString();
        const QStringList after = visibleWords(text);
        const QStringList before = visibleWords(loaded->text);
        if (after != before) {
            changed << name;
            if (pagesWithChangedWords().contains(name))
                continue;
            qsizetype i = 0;
            while (i < qMin(after.size(), before.size()) && after[i] == before[i])
                ++i;
            ADD_FAILURE() << name.toStdString() << ": from word " << i << " \""
                          << before.mid(i, 8).join(u' ').toStdString() << "\" became \""
                          << after.mid(i, 8).join(u' ').toStdString() << '"';
        }
    }
    EXPECT_EQ(QSet<QString>(changed.begin(), changed.end()), pagesWithChangedWords());
}
