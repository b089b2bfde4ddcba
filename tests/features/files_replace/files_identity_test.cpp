#include "features/files_replace/file_in_place.h"
#include "features/files_replace/files_run.h"
#include "features/files_replace/replace_record.h"

#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

struct stat statOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info;
}

class FilesIdentityTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString p = path(name);
        EXPECT_TRUE(writeFileBytes(p, bytes));
        return p;
    }
    static FilesSearchOptions replacing(const QString& search, const QString& replace) {
        FilesSearchOptions o;
        o.search = search;
        o.replace = replace;
        o.all = true;
        o.searchOnly = false;
        return o;
    }
    static void runThrough(FilesRun& run) {
        while (!run.isFinished())
            run.step();
    }

    QTemporaryDir dir;
};

} // namespace

// One file under three names is processed once and keeps its inode, links, mode and
// extended attributes; a FIFO or a device is skipped without blocking or ending the run.
TEST_F(FilesIdentityTest, EachFileOnceInPlaceAndOnlyRegularFiles) {
    const QString target = write(QStringLiteral("page.html"), "foo");
    const QByteArray targetName = QFile::encodeName(target);
    ASSERT_EQ(::chmod(targetName.constData(), 0640), 0);
    const QString hard = path(QStringLiteral("hard.html"));
    ASSERT_EQ(::link(targetName.constData(), QFile::encodeName(hard).constData()), 0);
    const QString soft = path(QStringLiteral("soft.html"));
    ASSERT_TRUE(QFile::link(target, soft));
    const bool xattrs = ::setxattr(targetName.constData(), "user.origin", "kept", 4, 0) == 0;
    const QString fifo = path(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString other = write(QStringLiteral("other.html"), "foo foo");
    const struct stat before = statOf(target);

    FilesRun run({fifo, target, hard, QStringLiteral("/dev/null"), soft, other},
                 replacing(QStringLiteral("foo"), QStringLiteral("foobar")));
    QList<FileOutcome::Failure> failures;
    QList<bool> seenBefore;
    while (!run.isFinished()) {
        const FileOutcome outcome = run.step();
        failures.append(outcome.failure);
        seenBefore.append(outcome.seenBefore);
    }
    using F = FileOutcome::Failure;
    EXPECT_EQ(failures, (QList<F>{F::Skipped, F::None, F::None, F::Skipped, F::None, F::None}));
    EXPECT_EQ(seenBefore, (QList<bool>{false, false, true, false, true, false}));
    EXPECT_EQ(run.totalMatches(), 3);
    EXPECT_TRUE(run.hadFailure());
    EXPECT_EQ(run.rewrittenFiles(), (QStringList{target, other}));
    EXPECT_EQ(readFileBytes(target), QByteArray("foobar"));
    EXPECT_EQ(readFileBytes(other), QByteArray("foobar foobar"));

    const struct stat after = statOf(target);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    if (xattrs) {
        char value[8] = {};
        EXPECT_EQ(::getxattr(targetName.constData(), "user.origin", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 5); // nothing added
}

// The folder need not be writable, and a write the disk cannot hold leaves the old content.
TEST_F(FilesIdentityTest, WritesInALockedFolderAndNeverLeavesHalfAFile) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    const QString locked = path(QStringLiteral("locked"));
    const QString inside = write(QStringLiteral("locked/page.html"), "old text");
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0555), 0);
    FilesRun run({inside}, replacing(QStringLiteral("old"), QStringLiteral("new")));
    runThrough(run);
    EXPECT_FALSE(run.hadFailure());
    EXPECT_EQ(readFileBytes(inside), QByteArray("new text"));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0755), 0);

    // A file-size limit stands in for a full disk.
    const QByteArray old(3000, 'a');
    const QString page = write(QStringLiteral("big.html"), old);
    const RegularFileRead read = readRegularFile(page);
    ASSERT_EQ(read.status, RegularFileRead::Status::Read);
    struct rlimit limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const struct rlimit small { 4096, limit.rlim_max };
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString reason;
    const bool written = overwriteInPlace(page, read.key, QByteArray(9000, 'b'), old, reason);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(readFileBytes(page), old);
}

// Undo puts back every file that still holds what the run wrote, names the others and leaves
// them alone, and happens once.
TEST_F(FilesIdentityTest, UndoPutsBackWhatTheRunWroteOnly) {
    const QString a = write(QStringLiteral("a.html"), "one jakarta");
    const QString b = write(QStringLiteral("b.html"), "two jakarta");
    const QString c = write(QStringLiteral("c.html"), "nothing");
    const QString hard = path(QStringLiteral("a-link.html"));
    ASSERT_EQ(::link(QFile::encodeName(a).constData(), QFile::encodeName(hard).constData()), 0);
    ReplaceRecord record(path(QStringLiteral("record")));
    QString reason;
    ASSERT_TRUE(record.begin(reason)) << reason.toStdString();
    FilesRun run({a, b, c, hard}, replacing(QStringLiteral("jakarta"), QStringLiteral("JKT")));
    run.setRecord(&record);
    runThrough(run);
    EXPECT_EQ(run.rewrittenFiles(), (QStringList{a, b}));
    EXPECT_FALSE(record.isEmpty());
    ASSERT_TRUE(writeFileBytes(b, "two JKT, edited"));
    const ino_t inode = statOf(a).st_ino;

    const ReplaceRecord::UndoResult undone = ReplaceRecord(record.folder()).undo();
    EXPECT_EQ(undone.restored, QStringList{a});
    EXPECT_EQ(undone.changedSince, QStringList{b});
    EXPECT_TRUE(undone.failed.isEmpty());
    EXPECT_EQ(readFileBytes(a), QByteArray("one jakarta"));
    EXPECT_EQ(readFileBytes(hard), QByteArray("one jakarta"));
    EXPECT_EQ(statOf(a).st_ino, inode);
    EXPECT_EQ(readFileBytes(b), QByteArray("two JKT, edited"));
    EXPECT_TRUE(ReplaceRecord(record.folder()).isEmpty());
    EXPECT_TRUE(ReplaceRecord(record.folder()).undo().restored.isEmpty());
}
