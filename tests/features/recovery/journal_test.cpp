#include "features/recovery/journal.h"
#include "features/recovery/journal_store.h"
#include "foundation/document/document_file.h"
#include "test_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Journal journalOf(const QByteArray& text, const QString& fileName) {
    Journal journal;
    journal.fileName = fileName;
    journal.format = {TextEncoding::Utf16BE, true, LineBreakStyle::Cr, false};
    journal.written = QDateTime::fromMSecsSinceEpoch(1765000000123, Qt::UTC);
    journal.disk = FileStamp::of(QStringLiteral("/etc/hostname"));
    journal.text = text;
    return journal;
}

// The store's thread hands results back through the event loop.
struct CoreApplication {
    int argc = 1;
    char name[8] = "journal";
    char* argv[1] = {name};
    QCoreApplication app{argc, argv};
};

} // namespace

// Every real page, and names no header line could hold, come back exactly; a journal cut
// short anywhere, or with a damaged header, is refused instead of offering half a page.
TEST(Journal, EveryPageRoundTripsAndACutJournalIsRefused) {
    const QString pages = corpusPagesFolder();
    if (pages.isEmpty())
        GTEST_SKIP() << "no corpus";
    const QStringList names{QStringLiteral("/tmp/a\nb \"c\".html"), QString(),
                            QStringLiteral("/home/ü/日本.htm")};
    int index = 0;
    for (QDirIterator it(pages, QDir::Files); it.hasNext(); ++index) {
        QFile file(it.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        std::optional<LoadedDocument> page = decodeDocument(file.readAll());
        ASSERT_TRUE(page);
        Journal journal = journalOf(page->text.toUtf8(), names[index % names.size()]);
        journal.kind = index % 2 ? Journal::Kind::Scratch : Journal::Kind::Document;
        const QByteArray bytes = journalBytes(journal);
        ASSERT_EQ(parseJournal(bytes), journal) << file.fileName().toStdString();
        const qsizetype cut = bytes.size() - 1 - index % qMax<qsizetype>(1, journal.text.size());
        EXPECT_FALSE(parseJournal(bytes.left(cut))) << cut;
    }
    const QByteArray good = journalBytes(journalOf("x", QString()));
    for (qsizetype at = 0; at < good.indexOf("\"length\""); ++at) {
        QByteArray damaged = good;
        if (damaged[at] == '\n')
            continue;
        damaged[at] = '\n';
        EXPECT_FALSE(parseJournal(damaged)) << at;
    }
}

// A second editor must not take the journals of one that is still running; once that one is
// gone its journals are offered, once, and then they are this editor's to forget.
TEST(JournalStore, OnlyTheJournalsOfAGoneEditorAreOfferedAndPrivate) {
    CoreApplication core;
    QTemporaryDir state;
    const QString folder = state.filePath(QStringLiteral("hexlume/recovery"));
    const Journal journal = journalOf("<p>unsaved</p>", QStringLiteral("/tmp/page.html"));
    QString kept;
    {
        JournalStore first(folder);
        ASSERT_TRUE(first.open());
        first.write(QStringLiteral("document"), journal);
        first.flush();
        kept = first.journalPath(QStringLiteral("document"));
        EXPECT_EQ(QFileInfo(folder).permissions(), QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ExeOwner | QFile::ReadUser |
                                                       QFile::WriteUser | QFile::ExeUser);
        EXPECT_EQ(QFileInfo(kept).permissions(),
                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

        JournalStore second(folder);
        ASSERT_TRUE(second.open());
        EXPECT_TRUE(second.claimOrphans().isEmpty());
        // The first editor ends without tidying up, as a crash would: its lock file stays,
        // naming a process that no longer runs.
        QFile lock(kept.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.exists());
        first.flush();
        QFile::remove(lock.fileName());
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write("999999999\nhexlume\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();

        const QList<JournalStore::Orphan> orphans = second.claimOrphans();
        ASSERT_EQ(orphans.size(), 1);
        EXPECT_EQ(orphans.first().path, kept);
        EXPECT_EQ(orphans.first().journal, journal);

        JournalStore third(folder);
        ASSERT_TRUE(third.open());
        EXPECT_TRUE(third.claimOrphans().isEmpty()) << "claimed by the second";
        second.forget(kept);
        second.flush();
        EXPECT_FALSE(QFile::exists(kept));
    }
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}
