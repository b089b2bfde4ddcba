#include "foundation/settings/recent_files.h"

#include "recording_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <gtest/gtest.h>

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    QString listPath = recentFilesPath(folder);
    RecordingPlatform platform;
    RecentFiles recent;

    void writeList(const QByteArray& bytes) { ASSERT_TRUE(writeFileBytes(listPath, bytes)); }
    QByteArray readList() { return readFileBytes(listPath); }
    QStringList paths() const {
        QStringList result;
        for (int slot = 0; slot < RecentFiles::SlotCount; ++slot)
            result << recent.path(slot);
        return result;
    }
};

} // namespace

TEST_F(RecentFilesTest, FiveFiles_LeaveTheFourMostRecentNewestOnTop) {
    EXPECT_FALSE(recent.anyFilled());
    recent.add(QStringLiteral("/s/a.htm"));
    EXPECT_EQ(paths(), QStringList({"", "", "", "/s/a.htm"}));
    EXPECT_FALSE(recent.isFilled(2));
    EXPECT_TRUE(recent.anyFilled());
    for (const char* path : {"/s/b.htm", "/s/c.htm", "/s/d.htm"})
        recent.add(QString::fromLatin1(path));
    EXPECT_EQ(paths(), QStringList({"/s/d.htm", "/s/c.htm", "/s/b.htm", "/s/a.htm"}));
    recent.add(QStringLiteral("/s/e.htm"));
    EXPECT_EQ(paths(), QStringList({"/s/e.htm", "/s/d.htm", "/s/c.htm", "/s/b.htm"}));
    EXPECT_EQ(recent.displayName(0), QStringLiteral("e.htm"));
    EXPECT_EQ(recent.displayName(3), QStringLiteral("b.htm"));
}

TEST_F(RecentFilesTest, ListedPath_DoesNotMove_AlsoInOtherLetterCase) {
    for (const char* path : {"/s/a.htm", "/s/b.htm", "/S/X.HTM"})
        recent.add(QString::fromLatin1(path));
    const QStringList before = paths();
    recent.add(QStringLiteral("/s/a.htm"));
    recent.add(QStringLiteral("/s/x.htm"));
    EXPECT_EQ(paths(), before);
    EXPECT_EQ(recent.displayName(1), QStringLiteral("X.HTM"));
}

TEST_F(RecentFilesTest, LettersBeyondAToZ_AreNotFolded) {
    recent.add(QStringLiteral("/s/Übung.htm"));
    recent.add(QStringLiteral("/s/übung.htm"));
    EXPECT_EQ(paths(), QStringList({"", "", QStringLiteral("/s/übung.htm"),
                                    QStringLiteral("/s/Übung.htm")}));
}

TEST_F(RecentFilesTest, SaveThenLoad_KeepsNamesAndPathsWithBlanksAndUmlauts) {
    recent.add(QStringLiteral("/home/jürgen/Meine Seiten/größe.html"));
    recent.add(QStringLiteral("/tmp/a b.htm"));
    ASSERT_TRUE(recent.save(folder, platform));
    EXPECT_EQ(readList(), QStringLiteral("\r\n\r\na b.htm\r\ngröße.html\r\n\r\n\r\n/tmp/a b.htm\r\n"
                                         "/home/jürgen/Meine Seiten/größe.html\r\n")
                              .toUtf8());
    // The paths are the user's own, as private as Html.ini.
    EXPECT_EQ(QFile::permissions(listPath) & 0x7777,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser);

    RecentFiles loaded;
    loaded.load(folder);
    for (int slot = 0; slot < RecentFiles::SlotCount; ++slot) {
        EXPECT_EQ(loaded.displayName(slot), recent.displayName(slot)) << slot;
        EXPECT_EQ(loaded.path(slot), recent.path(slot)) << slot;
        EXPECT_EQ(loaded.isFilled(slot), recent.isFilled(slot)) << slot;
    }
    EXPECT_TRUE(platform.calls.isEmpty());
}

TEST_F(RecentFilesTest, LoadShortFile_MissingLinesReadAsEmpty) {
    writeList("a.htm\r\n \r\nc.htm\r\n\r\n/s/a.htm\r\n/s/b.htm");
    recent.load(folder);
    EXPECT_EQ(paths(), QStringList({"/s/a.htm", "/s/b.htm", "", ""}));
    EXPECT_TRUE(recent.isFilled(0));
    // A blank name leaves the slot empty even with a path.
    EXPECT_FALSE(recent.isFilled(1));
    EXPECT_TRUE(recent.isFilled(2));
    EXPECT_FALSE(recent.isFilled(3));
    EXPECT_EQ(recent.displayName(2), QStringLiteral("c.htm"));
}

TEST_F(RecentFilesTest, Clear_EmptiesSlotsAndDeletesTheFile_WhichNextSaveWritesEmpty) {
    recent.add(QStringLiteral("/s/a.htm"));
    ASSERT_TRUE(recent.save(folder, platform));
    recent.clear(folder);
    EXPECT_FALSE(recent.anyFilled());
    EXPECT_EQ(paths(), QStringList({"", "", "", ""}));
    EXPECT_FALSE(QFile::exists(listPath));
    ASSERT_TRUE(recent.save(folder, platform));
    EXPECT_EQ(readList(), QByteArray("\r\n").repeated(8));
}

TEST_F(RecentFilesTest, CanOpen_OnlyAnExistingFile) {
    writeList("");
    recent.add(listPath);
    recent.add(folder + QStringLiteral("gone.htm"));
    recent.add(folder);
    EXPECT_FALSE(recent.canOpen(1));
    EXPECT_FALSE(recent.canOpen(2));
    EXPECT_TRUE(recent.canOpen(3));
}

TEST_F(RecentFilesTest, UnwritableList_AsksInstallerToDeleteItAndRetriesOnce) {
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("files.txt")));
    recent.add(QStringLiteral("/s/a.htm"));
    EXPECT_FALSE(recent.save(folder, platform));
    EXPECT_EQ(platform.calls,
              QStringList({QStringLiteral("installer ") + listPath + QStringLiteral(" del"),
                           QStringLiteral("pause 300")}));
}

TEST_F(RecentFilesTest, UnreachableFolder_RetriesOnceWithoutInstallerRequest) {
    writeList("");
    EXPECT_FALSE(recent.save(listPath + QStringLiteral("/hexlume/"), platform));
    EXPECT_EQ(platform.calls, QStringList({QStringLiteral("pause 300")}));
}
