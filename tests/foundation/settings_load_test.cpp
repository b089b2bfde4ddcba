#include "foundation/settings/settings.h"
#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"

#include "recording_platform.h"

#include <QFile>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <gtest/gtest.h>

namespace {

// Nineteen lines as the settings dialog writes them.
QStringList fullSettings() {
    return QStringLiteral("Courier New|14|true|anna|pässword|ftp.example.org|UserLogin|UTF-8|"
                          "/usr/bin/firefox|8388608|32768|255;8421376;128| | | |0|UTF-8|"
                          "/usr/bin/filezilla|false")
        .split(QLatin1Char('|'));
}

QByteArray crLfLines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

class LoadSettingsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QLatin1Char('/');
    RecordingPlatform platform;
    EditorSettings settings;

    void writeRaw(const QByteArray& bytes) {
        ASSERT_TRUE(writeFileBytes(settingsFilePath(folder), bytes));
    }
    void writeEnciphered(const QStringList& lines) { writeRaw(encipherSettings(crLfLines(lines))); }
    // The full file with one line changed.
    void writeWithLine(int index, const QString& value) {
        QStringList lines = fullSettings();
        lines[index] = value;
        writeEnciphered(lines);
    }
    bool fileExists() const { return QFile::exists(settingsFilePath(folder)); }
};

} // namespace

TEST_F(LoadSettingsTest, MissingFile_FirstStartTakesLanguageFromInputLanguage) {
    platform.germanInput = true;
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::NoFile);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::German);

    platform.germanInput = false;
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::NoFile);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::English);
    EXPECT_TRUE(platform.calls.isEmpty());
}

TEST_F(LoadSettingsTest, MissingFile_ResetsFtpAndCharset_NoLineNumbers_UpdateCheckOn) {
    settings.ftpUser = QStringLiteral("old");
    settings.ftpPassword = QStringLiteral("old");
    settings.ftpServer = QStringLiteral("old");
    settings.ftpLoginMode = QStringLiteral("UserLogin");
    settings.charset = QStringLiteral("ISO-8859-2");
    loadSettings(folder, platform, settings);
    EXPECT_EQ(settings.ftpUser, QString());
    EXPECT_EQ(settings.ftpPassword, QString());
    EXPECT_EQ(settings.ftpServer, QString());
    EXPECT_EQ(settings.ftpLoginMode, QStringLiteral("Anonymous"));
    EXPECT_EQ(settings.charset, QStringLiteral("UTF-8"));
    EXPECT_FALSE(settings.lineNumbers);
    EXPECT_TRUE(settings.updateCheck);
    EXPECT_FALSE(fileExists());
}

TEST_F(LoadSettingsTest, EncipheredFile_AppliesEveryLine) {
    writeEnciphered(fullSettings());
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.fontSize, 14);
    EXPECT_TRUE(settings.lineNumbers);
    EXPECT_EQ(settings.ftpUser, QStringLiteral("anna"));
    EXPECT_EQ(settings.ftpPassword, QStringLiteral("pässword"));
    EXPECT_EQ(settings.ftpServer, QStringLiteral("ftp.example.org"));
    EXPECT_EQ(settings.ftpLoginMode, QStringLiteral("UserLogin"));
    EXPECT_EQ(settings.charset, QStringLiteral("UTF-8"));
    EXPECT_EQ(settings.browserPath, QStringLiteral("/usr/bin/firefox"));
    EXPECT_EQ(settings.keywordColour, 8388608);
    EXPECT_EQ(settings.identifierColour, 32768);
    EXPECT_EQ(settings.valueColour, 255);
    EXPECT_EQ(settings.commentColour, 8421376);
    EXPECT_EQ(settings.entityColour, 128);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::German);
    EXPECT_EQ(settings.saveEncoding, QStringLiteral("UTF-8"));
    EXPECT_EQ(settings.ftpClient, QStringLiteral("/usr/bin/filezilla"));
    EXPECT_FALSE(settings.updateCheck);
    EXPECT_TRUE(fileExists());
}

TEST_F(LoadSettingsTest, PlainFileWithLineFeeds_IsReadLineByLine) {
    QByteArray bytes = crLfLines(fullSettings());
    bytes.replace("\r\n", "\n");
    writeRaw(bytes);
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.browserPath, QStringLiteral("/usr/bin/firefox"));
    EXPECT_FALSE(settings.updateCheck);
}

TEST_F(LoadSettingsTest, LineNumbers_OnUnlessLineIsExactlyFalse) {
    const std::pair<const char*, bool> cases[] = {
        {" ", true}, {"", true}, {"false", false}, {"False", true}, {"false ", true}};
    for (const auto& [line, expected] : cases) {
        writeWithLine(SettingsLine::LineNumbers, QString::fromLatin1(line));
        loadSettings(folder, platform, settings);
        EXPECT_EQ(settings.lineNumbers, expected) << '"' << line << '"';
    }
}

TEST_F(LoadSettingsTest, UpdateCheck_OnUnlessTrimmedLineIsFalse) {
    const std::pair<const char*, bool> cases[] = {
        {" false\t", false}, {"FALSE", true}, {" ", true}, {"true", true}};
    for (const auto& [line, expected] : cases) {
        writeWithLine(SettingsLine::UpdateCheck, QString::fromLatin1(line));
        loadSettings(folder, platform, settings);
        EXPECT_EQ(settings.updateCheck, expected) << '"' << line << '"';
    }
}

TEST_F(LoadSettingsTest, BlankLines_KeepCurrentValuesOrGiveDefaults) {
    settings.fontSize = 10;
    settings.keywordColour = 1;
    settings.charset = QStringLiteral("ISO-8859-2");
    QStringList lines = fullSettings();
    lines[SettingsLine::FontSize] = QStringLiteral(" ");
    lines[SettingsLine::KeywordColour] = QString();
    lines[SettingsLine::Charset] = QStringLiteral(" ");
    writeEnciphered(lines);
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.fontSize, 10);
    EXPECT_EQ(settings.keywordColour, 1);
    EXPECT_EQ(settings.charset, QStringLiteral("UTF-8"));
}

TEST_F(LoadSettingsTest, FontSizeThatIsNoNumber_IsIgnored) {
    settings.fontSize = 10;

    writeWithLine(SettingsLine::FontSize, QStringLiteral("big"));
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.fontSize, 10);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::German);
    EXPECT_TRUE(fileExists());
}

TEST_F(LoadSettingsTest, ColourTriple_AppliesFieldsUpToTheFirstError) {
    struct Case {
        const char* line;
        std::optional<int> value, comment, entity;
    };
    const Case cases[] = {
        {"255", 255, 2, 3}, {"1;;4", 1, 2, 4},    {"1; 5 ;", 1, 5, 3}, {"x;5;6", -1, 2, 3},
        {"1;y;6", 1, 2, 3}, {"1;5;6;7", 1, 5, 3}, {"", -1, 2, 3},      {" 7 ; 8 ; 9 ", 7, 8, 9},
    };
    for (const Case& c : cases) {
        settings.valueColour = -1;
        settings.commentColour = 2;
        settings.entityColour = 3;
        writeWithLine(SettingsLine::ValueCommentEntityColours, QString::fromLatin1(c.line));
        EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied) << c.line;
        EXPECT_EQ(settings.valueColour, c.value) << c.line;
        EXPECT_EQ(settings.commentColour, c.comment) << c.line;
        EXPECT_EQ(settings.entityColour, c.entity) << c.line;
    }
}

// An unreadable number line costs only itself: every other line applies, the old file is kept
// beside as Html.ini.bad (readable by its owner only), and the next start reads without a word.
TEST_F(LoadSettingsTest, UnreadableNumberLinesKeepDefaultsAndTheOldFileIsSetAside) {
    const QString aside = settingsFilePath(folder) + QStringLiteral(".bad");
    for (const int line : {int(SettingsLine::KeywordColour), int(SettingsLine::IdentifierColour),
                           int(SettingsLine::Language)}) {
        SCOPED_TRACE(line);
        QFile::remove(aside);
        settings = EditorSettings();
        writeWithLine(line, QStringLiteral("green"));
        const QByteArray before = readFileBytes(settingsFilePath(folder));
        EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::BadLinesSetAside);
        EXPECT_EQ(settings.fontSize, 14);
        EXPECT_EQ(settings.ftpUser, QStringLiteral("anna"));
        EXPECT_EQ(settings.charset, QStringLiteral("UTF-8"));
        EXPECT_EQ(settings.keywordColour,
                  line == SettingsLine::KeywordColour ? std::nullopt : std::optional(8388608));
        EXPECT_EQ(settings.uiLanguage,
                  line == SettingsLine::Language ? UiLanguage::English : UiLanguage::German);
        EXPECT_FALSE(settings.updateCheck);
        EXPECT_EQ(readFileBytes(aside), before);
        EXPECT_EQ(QFile::permissions(aside) & 0x0077, QFileDevice::Permissions());
        const std::optional<QStringList> now = readSettingsFile(settingsFilePath(folder));
        ASSERT_TRUE(now);
        EXPECT_EQ(now->value(SettingsLine::FtpPassword), fullSettings()[SettingsLine::FtpPassword]);
        EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    }
}

TEST_F(LoadSettingsTest, BlankLanguageLine_ChoosesGermanWhenSystemLanguageNameSaysDeutsch) {
    writeWithLine(SettingsLine::Language, QStringLiteral(" "));
    platform.languageName = QStringLiteral("Deutsch");
    loadSettings(folder, platform, settings);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::German);

    platform.languageName = QStringLiteral("English");
    loadSettings(folder, platform, settings);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::English);
    // The input language only counts at the first start.
    platform.germanInput = true;
    loadSettings(folder, platform, settings);
    EXPECT_EQ(settings.uiLanguage, UiLanguage::English);
}

TEST_F(LoadSettingsTest, SaveEncodingAndFtpClient_AreKeptExactlyAsRead) {
    QStringList lines = fullSettings();
    lines[SettingsLine::SaveEncoding] = QStringLiteral("utf-8");
    lines[SettingsLine::FtpClient] = QStringLiteral(" ");
    writeEnciphered(lines);
    loadSettings(folder, platform, settings);
    EXPECT_EQ(settings.saveEncoding, QStringLiteral("utf-8"));
    EXPECT_EQ(settings.ftpClient, QStringLiteral(" "));
}

TEST_F(LoadSettingsTest, ShortFile_MissingLinesReadAsEmpty) {
    settings.charset = QStringLiteral("ISO-8859-2");
    platform.languageName = QStringLiteral("Deutsch (Deutschland)");
    writeEnciphered({QStringLiteral("Arial"), QStringLiteral("9"), QStringLiteral("false")});
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.fontSize, 9);
    EXPECT_FALSE(settings.lineNumbers);
    EXPECT_EQ(settings.ftpLoginMode, QString());
    EXPECT_EQ(settings.charset, QStringLiteral("UTF-8"));
    EXPECT_EQ(settings.uiLanguage, UiLanguage::German);
    EXPECT_EQ(settings.ftpClient, QString());
    EXPECT_TRUE(settings.updateCheck);
}
