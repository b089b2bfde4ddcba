#include "foundation/settings/settings.h"
#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"

#include "recording_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <gtest/gtest.h>

namespace {

class WriteBackSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    QString path = settingsFilePath(folder);
    RecordingPlatform platform;
    EditorSettings settings;

    void writeRaw(const QByteArray& bytes) { ASSERT_TRUE(writeFileBytes(path, bytes)); }
    QByteArray readRaw() { return readFileBytes(path); }
    QByteArray readDeciphered() { return decipherSettings(readRaw()); }
};

QByteArray blankLines(int count) {
    return QByteArray(" \r\n").repeated(count);
}

} // namespace

TEST_F(WriteBackSettingsTest, MissingFile_WritesNineteenLinesBlankUpToLine14) {
    settings.uiLanguage = UiLanguage::German;
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    EXPECT_EQ(readDeciphered(), blankLines(15) + "0\r\n\r\nxdg-open\r\ntrue\r\n");
    EXPECT_TRUE(platform.calls.isEmpty());
}

TEST_F(WriteBackSettingsTest, StoresLanguageSaveEncodingFtpClientAndUpdateCheck) {
    settings.uiLanguage = UiLanguage::English;
    settings.saveEncoding = QStringLiteral("utf-8");
    settings.ftpClient = QStringLiteral("/opt/ftp client/bin");
    settings.updateCheck = false;
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    const QStringList lines = *readSettingsFile(path);
    ASSERT_EQ(lines.size(), SettingsLine::LineCount);
    EXPECT_EQ(lines[SettingsLine::Language], QStringLiteral("1"));
    EXPECT_EQ(lines[SettingsLine::SaveEncoding], QStringLiteral("utf-8"));
    EXPECT_EQ(lines[SettingsLine::FtpClient], QStringLiteral("/opt/ftp client/bin"));
    EXPECT_EQ(lines[SettingsLine::UpdateCheck], QStringLiteral("false"));
}

TEST_F(WriteBackSettingsTest, KeepsLines0To14ByteForByte) {
    const QByteArray head = QStringLiteral("Courier New \r\n\t12\r\nfalse\r\nänna\r\np@ss word\r\n"
                                           "ftp.example.org\r\nUserLogin\r\nlatin1\r\n"
                                           "/usr/bin/firefox\r\n 8388608\r\n\r\n1;2;3;4\r\n"
                                           "reserved 12\r\n\r\nkqo\r\n")
                                .toUtf8();
    writeRaw(encipherSettings(head + "1\r\nASCII\r\nexplorer.exe\r\ntrue\r\n"));
    settings.uiLanguage = UiLanguage::German;
    settings.saveEncoding = QStringLiteral("default");
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    EXPECT_EQ(readDeciphered(), head + "0\r\ndefault\r\nxdg-open\r\ntrue\r\n");
}

TEST_F(WriteBackSettingsTest, ShortFile_IsPaddedToTwentyOneLines) {
    writeRaw(encipherSettings("Arial\r\n9\r\n"));
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    EXPECT_EQ(readDeciphered(),
              "Arial\r\n9\r\n" + blankLines(13) + "1\r\n\r\nxdg-open\r\ntrue\r\n" + blankLines(2));
}

TEST_F(WriteBackSettingsTest, LongFile_KeepsItsExtraLines) {
    writeRaw(encipherSettings(blankLines(19) + "extra\r\n"));
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    EXPECT_EQ(readDeciphered(), blankLines(15) + "1\r\n\r\nxdg-open\r\ntrue\r\nextra\r\n");
}

TEST_F(WriteBackSettingsTest, PlainFileReadBack_IsStoredEnciphered) {
    const QByteArray plain = blankLines(15) + "0\r\nUTF-8\r\nexplorer.exe\r\nfalse\r\n";
    writeRaw(plain);
    ASSERT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.saveEncoding, QStringLiteral("UTF-8"));
    EXPECT_FALSE(settings.updateCheck);
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    EXPECT_EQ(readRaw(), encipherSettings(plain));
}

TEST_F(WriteBackSettingsTest, WrittenFile_IsReadableByOwnerOnly) {
    writeRaw(blankLines(19));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
    ASSERT_TRUE(writeBackSettings(folder, settings, platform));
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                        QFileDevice::WriteOther;
    EXPECT_EQ(QFile::permissions(path) & others, QFileDevice::Permissions());
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadOwner);
}

TEST_F(WriteBackSettingsTest, UnwritableFile_AsksInstallerToDeleteItAndRetriesOnce) {
    // A folder in the file's place cannot be replaced by a file.
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("Html.ini")));
    EXPECT_FALSE(writeBackSettings(folder, settings, platform));
    EXPECT_EQ(platform.calls,
              QStringList({QStringLiteral("installer ") + path + QStringLiteral(" del"),
                           QStringLiteral("pause 400")}));
}

TEST_F(WriteBackSettingsTest, UnreachableFolder_RetriesOnceWithoutInstallerRequest) {
    writeRaw("not a folder");
    const QString unreachable = path + QStringLiteral("/hexlume/");
    EXPECT_FALSE(writeBackSettings(unreachable, settings, platform));
    EXPECT_EQ(platform.calls, QStringList({QStringLiteral("pause 400")}));
}
