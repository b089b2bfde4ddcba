#include "features/outside_programs/outside_commands.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/settings/settings.h"
#include "platform/installer_request.h"

#include "file_bytes.h"
#include "recording_platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class OutsideCommandsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    MemoryBuffer editor{QStringLiteral("<p>\r\nä</p>")};
    ScriptedPrompter prompter;
    MessageTable messages;
    RecordingPlatform platform;
    CommandContext context{editor, prompter, messages};

    QString file(const QString& name) const { return dir.filePath(name); }
};

} // namespace

TEST(BrowserAddressTest, IsAFileUrlThatNamesExactlyTheSavedFile) {
    struct Case {
        const char* path;
        const char* address;
    };
    const Case cases[] = {
        {"/home/anna/My Pages/a b.html", "file:///home/anna/My%20Pages/a%20b.html"},
        {"/srv/www/#draft.html", "file:///srv/www/%23draft.html"},
        {"/srv/www/100%.html", "file:///srv/www/100%25.html"},
        {"/srv/www/why?.html", "file:///srv/www/why%3F.html"},
        {"/srv/www/Grüße.html", "file:///srv/www/Gr%C3%BC%C3%9Fe.html"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(browserAddress(QString::fromUtf8(c.path)), QLatin1String(c.address)) << c.path;
}

TEST_F(OutsideCommandsTest, Browser_UntitledDocument_ReportsAndWritesNothing) {
    for (const char* name : {"", "Untitled", "UNTITLED"}) {
        prompter.clearMessages();
        showInBrowser(context, QLatin1String(name), DocumentFormat(), QString(), platform);
        EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("No file/page loaded!")});
    }
    EXPECT_TRUE(platform.calls.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(OutsideCommandsTest, Browser_SavesInTheDocumentsFormatAndLeavesModifiedAlone) {
    const QString page = file(QStringLiteral("my page.html"));
    DocumentFormat format;
    format.encoding = TextEncoding::Utf16LE;
    format.byteOrderMark = true;
    format.lineBreaks = LineBreakStyle::Lf;
    editor.setModified(true);
    showInBrowser(context, page, format, QStringLiteral(" /usr/bin/firefox "), platform);
    EXPECT_EQ(readFileBytes(page), encodeDocument(editor.text(), format));
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(platform.calls,
              QStringList{QStringLiteral("start /usr/bin/firefox ") + browserAddress(page)});
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(OutsideCommandsTest, Browser_WithoutBrowserOrWhenItCannotStart_UsesTheDesktopsBrowser) {
    const QString page = file(QStringLiteral("a.html"));
    const QString shown = QStringLiteral("browser ") + browserAddress(page);
    showInBrowser(context, page, DocumentFormat(), QStringLiteral(" "), platform);
    EXPECT_EQ(platform.calls, QStringList{shown});

    // A browser path carried over from another system cannot start.
    platform.calls.clear();
    platform.startSucceeds = false;
    showInBrowser(context, page, DocumentFormat(), QStringLiteral("C:\\IE\\ie.exe"), platform);
    EXPECT_EQ(platform.calls,
              (QStringList{QStringLiteral("start C:\\IE\\ie.exe ") + browserAddress(page), shown}));
    EXPECT_TRUE(prompter.messages().isEmpty());

    // A desktop without any browser: said, in the window's language.
    platform.browserInstalled = false;
    showInBrowser(context, page, DocumentFormat(), QString(), platform);
    messages.setLanguage(UiLanguage::German);
    showInBrowser(context, page, DocumentFormat(), QString(), platform);
    EXPECT_EQ(prompter.messages(),
              (QStringList{QStringLiteral("No web browser was found. Enter an external browser in "
                                          "the settings."),
                           QStringLiteral("Es wurde kein Webbrowser gefunden. Tragen Sie in den "
                                          "Einstellungen einen externen Browser ein.")}));
}

TEST_F(OutsideCommandsTest, Browser_SaveFailsOrWouldLoseACharacter_StartsNoBrowser) {
    const QString page = file(QStringLiteral("gone/a.html"));
    showInBrowser(context, page, DocumentFormat(), QString(), platform);
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Cannot save file: ") + page +
                                               QStringLiteral("\nNo such file or directory")});
    EXPECT_TRUE(platform.calls.isEmpty());

    // Windows-1252 has no Greek: declining UTF-8 writes nothing.
    const QString ansiPage = file(QStringLiteral("ansi.html"));
    DocumentFormat ansi;
    ansi.encoding = TextEncoding::Ansi;
    editor.loadText(QStringLiteral("\u03A9"));
    prompter.clearMessages();
    showInBrowser(context, ansiPage, ansi, QString(), platform);
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_FALSE(QFile::exists(ansiPage));
    EXPECT_TRUE(platform.calls.isEmpty());
}

TEST_F(OutsideCommandsTest, Ftp_AddressFollowsLoginModeAndClient) {
    EditorSettings settings;
    settings.ftpServer = QStringLiteral("  ");
    openFtp(context, settings, platform);
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("No FTP connection specified!")});
    EXPECT_TRUE(platform.calls.isEmpty());

    struct Case {
        const char* mode;
        const char* user;
        const char* password;
        const char* client;
        const char* call;
    };
    const Case cases[] = {
        {"UserLogin", "u", "p", "explorer.exe", "open ftp://u:p@s"},
        {"Anonymous", "u", "p", "explorer.exe", "open ftp://s"},
        {"", "u", "p", "", "open ftp://u:p@s"},
        {"UserLogin", "", "p", "explorer.exe", "open ftp://s"},
        {"UserLogin", "a@b", "p:w/x", "C:\\Windows\\EXPLORER.EXE", "open ftp://a%40b:p%3Aw%2Fx@s"},
        {"Anonymous", "", "", "/usr/bin/filezilla", "start /usr/bin/filezilla ftp://s"},
        {"Anonymous", "", "", "xdg-open", "open ftp://s"},
    };
    for (const Case& c : cases) {
        platform.calls.clear();
        settings.ftpServer = QStringLiteral("s");
        settings.ftpLoginMode = QLatin1String(c.mode);
        settings.ftpUser = QLatin1String(c.user);
        settings.ftpPassword = QLatin1String(c.password);
        settings.ftpClient = QLatin1String(c.client);
        openFtp(context, settings, platform);
        EXPECT_EQ(platform.calls, QStringList{QLatin1String(c.call)}) << c.user << c.client;
    }
}

TEST_F(OutsideCommandsTest, Installer_RequestWordsFollowVersionProgramAndLanguage) {
    startUpUpdateCheck(context, platform, true);
    checkForUpdates(context, platform);
    EXPECT_TRUE(platform.calls.isEmpty()); // no installer, nothing happens
    EXPECT_TRUE(prompter.messages().isEmpty());

    platform.installerPath = QStringLiteral("/opt/hexlume/hexlume-install");
    messages.setLanguage(UiLanguage::German);
    startUpUpdateCheck(context, platform, false);
    startUpUpdateCheck(context, platform, true);
    checkForUpdates(context, platform);
    const QString start = QStringLiteral("elevated /opt/hexlume/hexlume-install hexlume ") +
                          QStringLiteral(HEXLUME_VERSION) + QStringLiteral(" hexlume 0");
    EXPECT_EQ(platform.calls, (QStringList{start + QStringLiteral(" default check"), start}));

    platform.startSucceeds = false;
    checkForUpdates(context, platform);
    EXPECT_EQ(prompter.messages(),
              QStringList{MessageTable::german()[55]}); // refused or failed to start
}

TEST(InstallerRequestTest, PathWithBlanksStaysOneArgument) {
    EXPECT_EQ(installerRequestWords(QStringLiteral(" /home/a b/Html.ini del ")),
              (QStringList{QStringLiteral("/home/a b/Html.ini"), QStringLiteral("del")}));
    EXPECT_EQ(installerRequestWords(QString()), QStringList());
    EXPECT_EQ(installerArguments(QStringLiteral("1.2.3.4"), QStringLiteral("hexlume"),
                                 UiLanguage::English,
                                 {QStringLiteral("/a b/x"), QStringLiteral("del")}),
              (QStringList{QStringLiteral("hexlume"), QStringLiteral("1.2.3.4"),
                           QStringLiteral("hexlume"), QStringLiteral("1"), QStringLiteral("/a b/x"),
                           QStringLiteral("del")}));
}

TEST_F(OutsideCommandsTest, BackupFiles_AskOnceAndDeleteUnlessNo) {
    EXPECT_EQ(backupChooserFolder(QStringLiteral("untitled")), QString());
    EXPECT_EQ(backupChooserFolder(file(QStringLiteral("page.html"))), dir.path());

    const QStringList chosen{file(QStringLiteral("a.BAK")), file(QStringLiteral("b.bak")),
                             file(QStringLiteral("vanished.bak"))};
    ASSERT_TRUE(writeFileBytes(chosen[0], "a"));
    ASSERT_TRUE(writeFileBytes(chosen[1], "b"));

    EXPECT_EQ(deleteBackupFiles(context, {}), 0);
    EXPECT_TRUE(prompter.messages().isEmpty());

    prompter.addAnswer(QStringLiteral("no"));
    EXPECT_EQ(deleteBackupFiles(context, chosen), 0);
    EXPECT_TRUE(QFile::exists(chosen[0]));
    EXPECT_EQ(prompter.messages(),
              QStringList{QStringLiteral("Delete backup file(s)?\r\n\r\na.BAK\r\nb.bak\r\n"
                                         "vanished.bak\r\n")});

    prompter.addAnswer(QStringLiteral("yes"));
    EXPECT_EQ(deleteBackupFiles(context, chosen), 2);
    EXPECT_FALSE(QFile::exists(chosen[0]));
    EXPECT_FALSE(QFile::exists(chosen[1]));
}
