#include "foundation/document/document_file.h"
#include "foundation/document/highlighter_kind.h"

#include "file_bytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {

class DocumentFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(writeFileBytes(path(name), bytes));
    }

    QByteArray readFile(const QString& name) const { return readFileBytes(path(name)); }

    QTemporaryDir m_dir;
};

// Caps the size of files this process may write, so that a write fails part-way even for
// root, who ignores folder permissions.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace

TEST_F(DocumentFileTest, LoadDocumentFile_RefusesFolderAndMissingFile) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"sub.html"_s));
    EXPECT_FALSE(loadDocumentFile(path(u"sub.html"_s)).has_value());
    EXPECT_FALSE(loadDocumentFile(path(u"missing.html"_s)).has_value());
}

TEST_F(DocumentFileTest, LoadDocumentFile_RefusesUndecodableBytes) {
    writeFile(u"odd.html"_s, QByteArray("\xFF\xFE"
                                        "a"));
    EXPECT_FALSE(loadDocumentFile(path(u"odd.html"_s)).has_value());
}

TEST_F(DocumentFileTest, ReadDocumentFile_SaysWhyAFileDidNotBecomeADocument) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"sub.html"_s));
    writeFile(u"odd.html"_s, QByteArray("\xFF\xFE"
                                        "a"));
    writeFile(u"ten.html"_s, QByteArray(10, 'x'));
    const struct {
        QString name;
        qint64 limit;
        ReadFailure failure;
    } cases[] = {
        {u"missing.html"_s, 100, ReadFailure::CannotRead},
        {u"sub.html"_s, 100, ReadFailure::CannotRead},
        {u"odd.html"_s, 100, ReadFailure::NotDecodable},
        {u"ten.html"_s, 9, ReadFailure::TooLarge},
        {u"ten.html"_s, 10, ReadFailure::None},
    };
    for (const auto& c : cases) {
        const DocumentFileRead read = readDocumentFile(path(c.name), c.limit);
        EXPECT_EQ(read.failure, c.failure) << c.name.toStdString();
        EXPECT_EQ(read.document.has_value(), c.failure == ReadFailure::None);
    }
    EXPECT_EQ(readDocumentFile(path(u"missing.html"_s)).reason, u"No such file or directory"_s);
    EXPECT_GT(documentSizeLimit(), 1 << 20);
}

TEST_F(DocumentFileTest, LoadDocumentFile_ReadsPathWithBlanksAndNonAsciiCharacters) {
    const QString name = u"Übersicht für Jürgen ☃.html"_s;
    writeFile(name, QByteArray("\xEF\xBB\xBF<p>\xC3\xA4</p>\n"));
    const auto doc = loadDocumentFile(path(name));
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->text, u"<p>ä</p>"_s);
    EXPECT_EQ(doc->format, (DocumentFormat{TextEncoding::Utf8, true, LineBreakStyle::Lf, true}));
}

TEST_F(DocumentFileTest, WriteFileSafely_CreatesAndReplacesTheFile) {
    EXPECT_TRUE(writeFileSafely(path(u"page.html"_s), "first"));
    EXPECT_EQ(readFile(u"page.html"_s), QByteArray("first"));
    EXPECT_TRUE(writeFileSafely(path(u"page.html"_s), "second, longer"));
    EXPECT_EQ(readFile(u"page.html"_s), QByteArray("second, longer"));
    EXPECT_TRUE(writeFileSafely(path(u"page.html"_s), QByteArray()));
    EXPECT_EQ(readFile(u"page.html"_s), QByteArray());
}

TEST_F(DocumentFileTest, WriteFileSafely_FailsWhenTheFolderIsARegularFile) {
    writeFile(u"notafolder"_s, "keep");
    QString reason;
    EXPECT_FALSE(writeFileSafely(path(u"notafolder/page.html"_s), "new", &reason));
    EXPECT_EQ(reason, u"Not a directory"_s);
    EXPECT_EQ(readFile(u"notafolder"_s), QByteArray("keep"));
}

TEST_F(DocumentFileTest, WriteFileSafely_FailedWriteLeavesTheOldFileIntact) {
    const QByteArray old = "old content";
    writeFile(u"page.html"_s, old);
    const QByteArray big(256 * 1024, 'x');
    bool written = true;
    {
        FileSizeLimit limit(4096);
        written = writeFileSafely(path(u"page.html"_s), big);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(readFile(u"page.html"_s), old);
    // No temporary file is left lying next to it.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"page.html"_s});
}

TEST(BackupPathFor, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(backupPathFor(u"/d/page.html"_s), u"/d/page.BAK"_s);
    EXPECT_EQ(backupPathFor(u"/d/page.htm"_s), u"/d/page.BAK"_s);
    EXPECT_EQ(backupPathFor(u"/d/archive.tar.gz"_s), u"/d/archive.tar.BAK"_s);
    EXPECT_EQ(backupPathFor(u"page.html"_s), u"page.BAK"_s);
}

TEST(BackupPathFor, AppendsWhenTheNameHasNoExtension) {
    EXPECT_EQ(backupPathFor(u"/d/README"_s), u"/d/README.BAK"_s);
    EXPECT_EQ(backupPathFor(u"/d/my.site/page"_s), u"/d/my.site/page.BAK"_s);
    EXPECT_EQ(backupPathFor(u"/d/.htaccess"_s), u"/d/.htaccess.BAK"_s);
}

TEST_F(DocumentFileTest, MakeBackupOnce_CopiesOnceAndNeverOverwrites) {
    writeFile(u"a.htm"_s, "first state");
    EXPECT_EQ(makeBackupOnce(path(u"a.htm"_s)), BackupResult::Created);
    EXPECT_EQ(readFile(u"a.BAK"_s), QByteArray("first state"));

    writeFile(u"a.htm"_s, "edited and saved");
    EXPECT_EQ(makeBackupOnce(path(u"a.htm"_s)), BackupResult::AlreadyExists);
    writeFile(u"a.html"_s, "another page");
    EXPECT_EQ(makeBackupOnce(path(u"a.html"_s)), BackupResult::AlreadyExists);
    EXPECT_EQ(readFile(u"a.BAK"_s), QByteArray("first state"));
}

TEST_F(DocumentFileTest, MakeBackupOnce_OpeningTheBackupItselfLeavesItAlone) {
    writeFile(u"a.BAK"_s, "backup");
    EXPECT_EQ(makeBackupOnce(path(u"a.BAK"_s)), BackupResult::AlreadyExists);
    EXPECT_EQ(readFile(u"a.BAK"_s), QByteArray("backup"));
}

TEST_F(DocumentFileTest, MakeBackupOnce_FailsWhenTheCopyCannotBeMade) {
    EXPECT_EQ(makeBackupOnce(path(u"gone.html"_s)), BackupResult::Failed);
    EXPECT_FALSE(QFile::exists(path(u"gone.BAK"_s)));
}

TEST(HighlighterForPath, ChoosesByExtensionIgnoringCase) {
    EXPECT_EQ(highlighterForPath(u"/d/Page.HTML"_s), HighlighterKind::Html);
    EXPECT_EQ(highlighterForPath(u"/d/style.CSS"_s), HighlighterKind::Css);
    EXPECT_EQ(highlighterForPath(u"/d/app.js"_s), HighlighterKind::JavaScript);
    EXPECT_EQ(highlighterForPath(u"/d/feed.Xml"_s), HighlighterKind::Xml);
    EXPECT_EQ(highlighterForPath(u"/d/index.php"_s), HighlighterKind::Php);
}

TEST(HighlighterForPath, EverythingElseIsHtml) {
    EXPECT_EQ(highlighterForPath(u"/d/page.htm"_s), HighlighterKind::Html);
    EXPECT_EQ(highlighterForPath(u"/d/notes.txt"_s), HighlighterKind::Html);
    EXPECT_EQ(highlighterForPath(u"/d/Makefile"_s), HighlighterKind::Html);
    EXPECT_EQ(highlighterForPath(u"/d/style.css.bak"_s), HighlighterKind::Html);
    EXPECT_EQ(highlighterForPath(u"/d/scripts.js/page"_s), HighlighterKind::Html);
    EXPECT_EQ(highlighterForPath(u"/d/app.jsx"_s), HighlighterKind::Html);
}
