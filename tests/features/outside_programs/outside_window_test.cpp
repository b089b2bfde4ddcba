#include "features/outside_programs/outside_actions.h"
#include "features/outside_programs/outside_commands.h"
#include "file_bytes.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"
#include "modal_dialog.h"
#include "shell/about_box.h"
#include "shell/main_window.h"
#include "widgets/help_window.h"
#include "window_test.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTextBrowser>

class OutsideWindowTest : public WindowTest {
    Q_OBJECT

private:
    QString folder() const { return m_platform.dataFolderPath; }

    void writeIni(int line, const QString& value) {
        QStringList lines(19, QStringLiteral(" "));
        lines[line] = value;
        QDir().mkpath(folder());
        QVERIFY(writeFileBytes(settingsFilePath(folder()),
                               encipherSettings(lines.join(QStringLiteral("\r\n")).toUtf8())));
    }

    QStringList installerCalls() const {
        QStringList calls;
        for (const QString& call : m_platform.calls) {
            if (call.startsWith(QStringLiteral("elevated ")))
                calls << call;
        }
        return calls;
    }

private slots:
    void init() {
        QDir(folder()).removeRecursively();
        m_platform.calls.clear();
        m_platform.installerPath = QStringLiteral("/opt/hexlume/hexlume-install");
    }
    void cleanup() { m_platform.installerPath.clear(); }

    void startUp_ChecksForUpdatesOnceAfterStarting_MenuCheckPassesNoWords() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QVERIFY(installerCalls().isEmpty()); // not before the start-up is over
        QTRY_COMPARE(installerCalls().size(), 1);
        const QString start = QStringLiteral("elevated /opt/hexlume/hexlume-install hexlume ") +
                              m_platform.programVersion() + QStringLiteral(" hexlume 1");
        QCOMPARE(installerCalls().first(), start + QStringLiteral(" default check"));

        action(window, "germanItem")->trigger();
        action(window, "checkForUpdatesItem")->trigger();
        QCOMPARE(installerCalls().size(), 2);
        QCOMPARE(installerCalls().last(),
                 start.chopped(1) + QStringLiteral("0")); // the language as it is now
        QVERIFY(prompter.messages().isEmpty());
    }

    void startUp_WithUpdateCheckOff_StartsNoInstaller() {
        writeIni(SettingsLine::UpdateCheck, QStringLiteral("false"));
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QTest::qWait(50);
        QVERIFY(installerCalls().isEmpty());
    }

    void browser_UsesTheSettingsAndTheSavedFile() {
        const QString page = m_home.filePath(QStringLiteral("a #1.html"));
        QVERIFY(writeFileBytes(page, "<p>old</p>"));
        writeIni(SettingsLine::Browser, QStringLiteral("/usr/bin/firefox"));
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        QVERIFY(window.document().loadDocument(page));
        window.buffer().setText(QStringLiteral("<p>new</p>"));
        m_platform.calls.clear();
        action(window, "browserButton")->trigger();
        QCOMPARE(m_platform.calls,
                 QStringList{QStringLiteral("start /usr/bin/firefox ") + browserAddress(page)});
        QCOMPARE(readFileBytes(page), QByteArray("<p>new</p>"));
    }

    void ftpAndBackups_GoThroughTheWindowsCommands() {
        writeIni(SettingsLine::FtpServer, QStringLiteral("ftp.example.org"));
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        m_platform.calls.clear();
        action(window, "ftpButton")->trigger();
        QCOMPARE(m_platform.calls, QStringList{QStringLiteral("open ftp://ftp.example.org")});

        // The picker says what the chosen files are for, in the window's language.
        QStringList titles;
        for (const char* language : {"englishItem", "germanItem"}) {
            action(window, language)->trigger();
            whenModal([&](QDialog& picker) { titles << picker.windowTitle(); });
            action(window, "deleteBackupsItem")->trigger();
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("Choose backup files to delete"),
                                      QStringLiteral("Sicherungsdateien zum Löschen auswählen")}));

        const QString backup = m_home.filePath(QStringLiteral("x.BAK"));
        QVERIFY(writeFileBytes(backup, "x"));
        auto* actions = window.findChild<OutsideActions*>();
        QString askedFolder = QStringLiteral("not asked");
        actions->setBackupChooser([&](const QString& folder) {
            askedFolder = folder;
            return QStringList{backup};
        });
        prompter.addAnswer(QStringLiteral("yes"));
        action(window, "deleteBackupsItem")->trigger();
        QCOMPARE(askedFolder, QString());
        QVERIFY(!QFile::exists(backup));
    }

    void helpKeysAndAboutBox_OpenTheirTopicsInTheWindowsLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        window.startUp({});
        action(window, "englishItem")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F1);
        auto* help = window.findChild<HelpWindow*>();
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->browser()->source(), HelpWindow::topicUrl(UiLanguage::English, 60));

        action(window, "germanItem")->trigger();
        action(window, "helpContentsItem")->trigger();
        QCOMPARE(help->browser()->source(), HelpWindow::topicUrl(UiLanguage::German, 0));

        QString version;
        QUrl topic;
        whenModalOf<AboutBox>([&](AboutBox* box) {
            version = child<QLabel>(*box, "versionLabel")->text();
            box->activateWindow();
            QTRY_VERIFY(box->isActiveWindow());
            QTest::keyClick(box, Qt::Key_F1);
            // Asked from a modal box, the help window belongs to it, so it is not blocked.
            if (auto* shown = box->findChild<HelpWindow*>())
                topic = shown->browser()->source();
        });
        action(window, "aboutItem")->trigger();
        QCOMPARE(version, QStringLiteral("Version ") + m_platform.programVersion());
        QCOMPARE(topic, HelpWindow::topicUrl(UiLanguage::German, 50));
    }
};

QTEST_MAIN(OutsideWindowTest)
#include "outside_window_test.moc"
