#include "features/settings_dialog/settings_fields.h"
#include "foundation/settings/settings.h"
#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"

#include "file_bytes.h"
#include "recording_platform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SettingsFieldsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder = dir.path() + QStringLiteral("/redodaze/");
    QString path = settingsFilePath(folder);

    void SetUp() override { QDir().mkpath(folder); }
    void writePlain(const QByteArray& bytes) { ASSERT_TRUE(writeFileBytes(path, bytes)); }
    QStringList writtenLines() { return *readSettingsFile(path); }
};

// A file as the dialog and the main window write it, with the reserved lines in use.
const QStringList FullFile{
    QStringLiteral("Courier New"), QStringLiteral("12"),     QStringLiteral("false"),
    QStringLiteral("anna"),        QStringLiteral("secret"), QStringLiteral("ftp.example.org"),
    QStringLiteral("UserLogin"),   QStringLiteral("UTF-8"),  QStringLiteral("/usr/bin/firefox"),
    QStringLiteral("8388608"),     QStringLiteral("255"),    QStringLiteral("1;2;3"),
    QStringLiteral("reserved 12"), QStringLiteral(" "),      QStringLiteral("r14;x"),
    QStringLiteral("1"),           QStringLiteral("ASCII"),  QStringLiteral("/usr/bin/lftp"),
    QStringLiteral("false"),
};

QByteArray joined(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QStringList withLine(QStringList lines, int index, const QString& value) {
    lines[index] = value;
    return lines;
}

} // namespace

TEST(SettingsFields, Charset_ItemSelectsItsIndexAndRegion_UnknownGivesFirst_BlankUtf8) {
    struct Case {
        const char* line;
        int index;
        const char* region;
    };
    const Case cases[] = {
        {"Windows-1251", 7, "Russian/Cyrillic"},
        {"ISO-8859-13", 1, "Baltic"},
        {"Windows-1256", 10, "Arabic/Persian"},
        {"UTF-8", 5, "UTF-8"},
        {"latin1", 0, "West Europe"},
        {"utf-8", 0, "West Europe"},
        {" UTF-8", 0, "West Europe"},
        // What a new installation has: its pages are UTF-8.
        {"", 5, "UTF-8"},
        {" ", 5, "UTF-8"},
    };
    for (const Case& c : cases) {
        SettingsFields fields;
        fields.charsetIndex = 3;
        QStringList lines(19);
        lines[SettingsLine::Charset] = QLatin1String(c.line);
        readSettingsFieldLines(lines, fields);
        EXPECT_EQ(fields.charsetIndex, c.index) << c.line;
        EXPECT_EQ(charsetRegion(fields.charsetIndex), QLatin1String(c.region)) << c.line;
    }
    SettingsFields unknown;
    readSettingsFieldLines(withLine(FullFile, SettingsLine::Charset, QStringLiteral("latin1")),
                           unknown);
    EXPECT_EQ(settingsFileLines(unknown)[SettingsLine::Charset], QStringLiteral("ISO-8859-1"));
}

TEST(SettingsFields, BlankLinesKeepTheControlsValues_OtherLinesFollowTheirRules) {
    SettingsFields fields;
    fields.fontName = QStringLiteral("Courier New");
    fields.fontSize = QStringLiteral("10");
    fields.ftpUser = QStringLiteral("kept user");
    fields.ftpPassword = QStringLiteral("kept pass");
    fields.ftpServer = QStringLiteral("kept.server");
    fields.browser = QStringLiteral("/kept/browser");
    fields.keywordColour = QStringLiteral("128");
    fields.identifierColour = QStringLiteral("0");
    fields.commentColour = QStringLiteral("32768");
    fields.entityColour = QStringLiteral("255");
    // As the main window's write-back pads a short file: single blanks.
    QStringList lines(19, QStringLiteral(" "));
    lines[SettingsLine::ValueCommentEntityColours] = QStringLiteral(" 77 ");
    lines[SettingsLine::UpdateCheck] = QStringLiteral(" false\t");
    readSettingsFieldLines(lines, fields);

    EXPECT_EQ(fields.fontName, QStringLiteral("Courier New"));
    EXPECT_EQ(fields.fontSize, QStringLiteral("10"));
    EXPECT_EQ(fields.ftpUser, QStringLiteral("kept user"));
    EXPECT_EQ(fields.ftpPassword, QStringLiteral("kept pass"));
    EXPECT_EQ(fields.ftpServer, QStringLiteral("kept.server"));
    EXPECT_EQ(fields.browser, QStringLiteral("/kept/browser"));
    EXPECT_EQ(fields.keywordColour, QStringLiteral("128"));
    EXPECT_EQ(fields.identifierColour, QStringLiteral("0"));
    // A line 11 with one field sets only the first edit.
    EXPECT_EQ(fields.valueColour, QStringLiteral("77"));
    EXPECT_EQ(fields.commentColour, QStringLiteral("32768"));
    EXPECT_EQ(fields.entityColour, QStringLiteral("255"));
    EXPECT_TRUE(fields.lineNumbers);    // only exactly "false" turns numbering off
    EXPECT_TRUE(fields.anonymousLogin); // only exactly "UserLogin" is a user login
    // No Windows program here: the desktop's handler opens the address.
    EXPECT_EQ(fields.ftpClient, QStringLiteral("xdg-open"));
    EXPECT_FALSE(fields.checkForUpdates); // line 18 is trimmed

    readSettingsFieldLines(
        withLine(FullFile, SettingsLine::FtpLoginMode, QStringLiteral("userlogin")), fields);
    EXPECT_TRUE(fields.anonymousLogin);
    readSettingsFieldLines(withLine(FullFile, SettingsLine::LineNumbers, QStringLiteral("False")),
                           fields);
    EXPECT_TRUE(fields.lineNumbers);
}

TEST(SettingsFields, ColourThatIsNoNumber_IsWrittenBlank_SoTheWindowKeepsTheFile) {
    SettingsFields fields;
    readSettingsFieldLines(FullFile, fields);
    fields.keywordColour = QStringLiteral("red");
    fields.identifierColour = QStringLiteral(" 4210752 ");
    const QStringList lines = settingsFileLines(fields);
    EXPECT_EQ(lines[SettingsLine::KeywordColour], QString());
    EXPECT_EQ(lines[SettingsLine::IdentifierColour], QStringLiteral("4210752"));

    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(writeSettingsFields(folder, fields));
    RecordingPlatform platform;
    EditorSettings settings;
    EXPECT_EQ(loadSettings(folder, platform, settings), SettingsLoadResult::Applied);
    EXPECT_EQ(settings.ftpServer, QStringLiteral("ftp.example.org"));
    EXPECT_EQ(settings.identifierColour, 4210752);
}

TEST(SettingsFields, LineBreakTypedIntoAField_DoesNotShiftLaterLines) {
    SettingsFields fields;
    readSettingsFieldLines(FullFile, fields);
    fields.ftpPassword = QStringLiteral("pa\r\nss\nw\rd");
    const QStringList lines = settingsFileLines(fields);
    EXPECT_EQ(lines[SettingsLine::FtpPassword], QStringLiteral("pa ss w d"));
    EXPECT_EQ(lines[SettingsLine::FtpServer], QStringLiteral("ftp.example.org"));
}

TEST_F(SettingsFieldsFileTest,
       ConfirmingWithoutChanges_RewritesPlainOrEncipheredFileEncipheredAndUnchanged) {
    for (const QByteArray& stored : {joined(FullFile), encipherSettings(joined(FullFile))}) {
        writePlain(stored);
        SettingsFields fields;
        fields.language = UiLanguage::English;
        ASSERT_EQ(readSettingsFields(folder, fields), SettingsFileState::Read);
        EXPECT_FALSE(fields.anonymousLogin);
        ASSERT_TRUE(writeSettingsFields(folder, fields));
        // Line 13's single blank, the reserved lines and line 16 are carried through as read.
        EXPECT_EQ(readFileBytes(path), encipherSettings(joined(FullFile)));
    }
}

TEST_F(SettingsFieldsFileTest, MissingFile_LeavesTheFieldsAndOkCreatesFolderAndFile) {
    QDir(folder).removeRecursively();
    SettingsFields fields;
    fields.ftpServer = QStringLiteral("typed.before");
    ASSERT_EQ(readSettingsFields(folder, fields), SettingsFileState::Missing);
    EXPECT_EQ(fields.ftpServer, QStringLiteral("typed.before"));
    EXPECT_FALSE(fields.lineNumbers); // as the window shows a first start
    ASSERT_TRUE(writeSettingsFields(folder, fields));
    const QStringList lines = writtenLines();
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[SettingsLine::FtpServer], QStringLiteral("typed.before"));
    EXPECT_EQ(lines[SettingsLine::Charset], QStringLiteral("UTF-8"));
    EXPECT_EQ(lines[SettingsLine::FtpClient], QStringLiteral("xdg-open"));

    // Older settings name the Windows file manager: it reads as the desktop's handler, while a
    // program the user chose stays.
    for (const char* client : {"explorer.exe", "C:\\WINDOWS\\Explorer.EXE", " ", " \x1d"}) {
        fields.ftpClient = QStringLiteral("stale");
        readSettingsFieldLines(withLine(FullFile, SettingsLine::FtpClient, QLatin1String(client)),
                               fields);
        EXPECT_EQ(fields.ftpClient, QStringLiteral("xdg-open")) << client;
    }
    readSettingsFieldLines(FullFile, fields);
    EXPECT_EQ(fields.ftpClient, QStringLiteral("/usr/bin/lftp"));
}

TEST(SettingsFields, ColoursShowAsHtmlAndGoBackToTheStoredNumberUnchanged) {
    // Toolkit order: red in the lowest byte.
    EXPECT_EQ(colourShownText(QStringLiteral("255")), QStringLiteral("#FF0000"));
    EXPECT_EQ(colourShownText(QStringLiteral(" 8388608 ")), QStringLiteral("#000080"));
    EXPECT_EQ(colourStoredText(QStringLiteral(" #00ff00")), QStringLiteral("65280"));
    // Every colour the file can hold comes back as it was stored.
    for (int value = 0; value <= 0xFFFFFF; value += 997) {
        const QString stored = QString::number(value);
        const QString shown = colourShownText(stored);
        EXPECT_EQ(shown.size(), 7) << value;
        EXPECT_EQ(colourStoredText(shown), stored) << value;
    }
    // What is no colour of the file or of the edit passes through untouched both ways:
    // system colours of the old platform, blanks, names, short forms.
    for (const char* text : {"-16777208", "16777216", "", " ", "red", "#F00", "#GG0000"}) {
        EXPECT_EQ(colourShownText(QLatin1String(text)), QLatin1String(text)) << text;
        EXPECT_EQ(colourStoredText(QLatin1String(text)), QLatin1String(text)) << text;
    }
    // A number typed into the edit is stored as typed.
    EXPECT_EQ(colourStoredText(QStringLiteral("42")), QStringLiteral("42"));
}

TEST_F(SettingsFieldsFileTest, DamagedFiles_NeverCrashAndUndecodableOnesLeaveTheFields) {
    // UTF-16 with an odd byte count cannot be decoded without loss.
    writePlain(QByteArray("\xFF\xFE\x41\x00\x42", 5));
    SettingsFields fields;
    fields.ftpUser = QStringLiteral("kept");
    EXPECT_EQ(readSettingsFields(folder, fields), SettingsFileState::Unreadable);
    EXPECT_EQ(fields.ftpUser, QStringLiteral("kept"));

    // A short file: the lines it lacks read as empty.
    writePlain("Arial\r\n14\r\nfalse\r\n");
    fields.saveEncoding = QStringLiteral("stale");
    ASSERT_EQ(readSettingsFields(folder, fields), SettingsFileState::Read);
    EXPECT_EQ(fields.fontSize, QStringLiteral("14"));
    EXPECT_EQ(fields.saveEncoding, QString());
    EXPECT_TRUE(fields.checkForUpdates);

    QByteArray noise;
    for (int i = 0; i < 4096; ++i)
        noise += char((i * 131 + 7) % 256);
    writePlain(noise);
    EXPECT_EQ(readSettingsFields(folder, fields), SettingsFileState::Read);
    EXPECT_EQ(settingsFileLines(fields).size(), 19);

    QFile::remove(path);
    QDir().mkpath(path); // a folder where the file should be
    EXPECT_EQ(readSettingsFields(folder, fields), SettingsFileState::Unreadable);
    EXPECT_FALSE(writeSettingsFields(folder, fields));
}
