#include "platform/data_folder.h"

#include "file_bytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DataFolder, LivesUnderXdgDataHomeInTheProductsOwnFolder) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    EXPECT_EQ(defaultDataFolder(), home.path() + QStringLiteral("/hexlume/"));
    EXPECT_NE(legacyDataFolder(), defaultDataFolder());
}

TEST(DataFolder, LegacyFilesMoveOnceAndNeverOverAFileAlreadyThere) {
    QTemporaryDir home;
    const QString legacy = home.filePath(QStringLiteral("old/"));
    const QString current = home.filePath(QStringLiteral("new/"));
    ASSERT_TRUE(QDir().mkpath(legacy));
    ASSERT_TRUE(QDir().mkpath(current));
    ASSERT_TRUE(writeFileBytes(legacy + QStringLiteral("Html.ini"), "old settings"));
    ASSERT_TRUE(writeFileBytes(legacy + QStringLiteral("files.txt"), "old list"));
    ASSERT_TRUE(writeFileBytes(current + QStringLiteral("files.txt"), "new list"));

    EXPECT_EQ(moveLegacyDataFiles(legacy, current), QStringList{QStringLiteral("Html.ini")});
    EXPECT_EQ(readFileBytes(current + QStringLiteral("Html.ini")), "old settings");
    EXPECT_EQ(readFileBytes(current + QStringLiteral("files.txt")), "new list");
    // The file that could not move keeps the old folder, and nothing of it is lost.
    EXPECT_EQ(readFileBytes(legacy + QStringLiteral("files.txt")), "old list");

    ASSERT_TRUE(QFile::remove(legacy + QStringLiteral("files.txt")));
    EXPECT_TRUE(moveLegacyDataFiles(legacy, current).isEmpty());
    EXPECT_FALSE(QDir(legacy).exists());
    EXPECT_TRUE(moveLegacyDataFiles(legacy, current).isEmpty());
    EXPECT_TRUE(moveLegacyDataFiles(QString(), current).isEmpty());
}
