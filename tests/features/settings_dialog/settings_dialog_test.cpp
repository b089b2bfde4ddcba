#include "features/settings_dialog/settings_dialog.h"
#include "file_bytes.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class SettingsDialogTest : public WindowTest {
    Q_OBJECT

private:
    QString folder() const { return m_platform.dataFolderPath; }
    QString iniPath() const { return settingsFilePath(folder()); }

    void writeIni(const QStringList& lines) {
        QDir().mkpath(folder());
        QVERIFY(writeFileBytes(iniPath(), encipherSettings(joined(lines))));
    }
    static QByteArray joined(const QStringList& lines) {
        return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    }
    QStringList writtenLines() const { return readSettingsFile(iniPath()).value_or(QStringList()); }

    static QStringList sampleFile() {
        return {QStringLiteral("Courier New"),
                QStringLiteral("12"),
                QStringLiteral("true"),
                QStringLiteral("anna"),
                QStringLiteral("secret"),
                QStringLiteral("ftp.example.org"),
                QStringLiteral("Anonymous"),
                QStringLiteral("Windows-1251"),
                QString(),
                QStringLiteral("255"),
                QStringLiteral("red"),
                QStringLiteral("65280;;16711680"),
                QStringLiteral("r12"),
                QStringLiteral("r13"),
                QStringLiteral("r14"),
                QStringLiteral("0"),
                QStringLiteral("UTF-8"),
                QString(),
                QStringLiteral("true")};
    }

    // The main window deletes a file whose line 10 is no number.
    static QStringList readableFile() {
        QStringList lines = sampleFile();
        lines[SettingsLine::IdentifierColour] = QStringLiteral("0");
        return lines;
    }

    static int fontSize(MainWindow& window) {
        return window.editor()->lexer()->defaultFont().pointSize();
    }

    static QColor panelColour(QDialog& dialog, const char* name) {
        return child<QFrame>(dialog, name)->palette().color(QPalette::Window);
    }

private slots:
    void init() { QDir(folder()).removeRecursively(); }

    void showingFillsControlsFromTheFileInTheDialogsLanguage() {
        writeIni(sampleFile());
        SettingsDialog dialog;
        dialog.setLanguage(UiLanguage::English);
        dialog.setDataFolder(folder());
        dialog.reload();

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(child<QPushButton>(dialog, "keywordColourButton")->toolTip(),
                 QStringLiteral("Choose colour"));
        QCOMPARE(child<QPushButton>(dialog, "helpButton")->toolTip(), QStringLiteral("Help (F1)"));

        QCOMPARE(child<QComboBox>(dialog, "fontSizeCombo")->currentText(), QStringLiteral("12"));
        QVERIFY(child<QRadioButton>(dialog, "lineNumbersOnRadio")->isChecked());
        QCOMPARE(child<QComboBox>(dialog, "charsetCombo")->currentText(),
                 QStringLiteral("Windows-1251"));
        QCOMPARE(child<QLabel>(dialog, "regionLabel")->text(), QStringLiteral("Russian/Cyrillic"));
        QVERIFY(child<QCheckBox>(dialog, "anonymousLoginCheck")->isChecked());
        QVERIFY(!child<QLineEdit>(dialog, "ftpUserEdit")->isEnabled());
        QVERIFY(!child<QLineEdit>(dialog, "ftpPasswordEdit")->isEnabled());
        QCOMPARE(child<QLineEdit>(dialog, "ftpPasswordEdit")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(dialog, "ftpClientEdit")->text(), QStringLiteral("xdg-open"));

        // Red is 255 in the toolkit's order, shown as HTML writes it; a value that is no number
        // stays as it is and leaves the panel plain.
        QCOMPARE(child<QLineEdit>(dialog, "keywordColourEdit")->text(), QStringLiteral("#FF0000"));
        QCOMPARE(child<QLineEdit>(dialog, "identifierColourEdit")->text(), QStringLiteral("red"));
        QCOMPARE(child<QLineEdit>(dialog, "entityColourEdit")->text(), QStringLiteral("#0000FF"));
        QCOMPARE(panelColour(dialog, "keywordColourPanel"), QColor(Qt::red));
        QCOMPARE(panelColour(dialog, "identifierColourPanel"),
                 dialog.palette().color(QPalette::Button));
        QCOMPARE(panelColour(dialog, "valueColourPanel"), QColor(0, 255, 0));
        QCOMPARE(panelColour(dialog, "commentColourPanel"),
                 dialog.palette().color(QPalette::Button));
        QCOMPARE(panelColour(dialog, "entityColourPanel"), QColor(0, 0, 255));

        dialog.setLanguage(UiLanguage::German);
        dialog.reload();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        QCOMPARE(child<QPushButton>(dialog, "ftpClientBrowseButton")->toolTip(),
                 QStringLiteral("Durchsuchen"));
    }

    void okWritesTheChangedControlsToTheFileExactly() {
        writeIni(sampleFile());
        SettingsDialog dialog;
        dialog.setLanguage(UiLanguage::English);
        dialog.setDataFolder(folder());
        dialog.setColourChooser(
            [](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); });
        dialog.setProgramChooser([](const QString&) { return QStringLiteral("/usr/bin/lftp"); });
        dialog.reload();
        dialog.show();

        retype(child<QComboBox>(dialog, "fontSizeCombo")->lineEdit(), QStringLiteral("14"));
        click(dialog, "lineNumbersOffRadio");
        click(dialog, "anonymousLoginCheck");
        QVERIFY(child<QLineEdit>(dialog, "ftpUserEdit")->isEnabled());
        retype(child<QLineEdit>(dialog, "ftpPasswordEdit"), QStringLiteral("new pass"));
        child<QComboBox>(dialog, "charsetCombo")->setCurrentIndex(5);
        QCOMPARE(child<QLabel>(dialog, "regionLabel")->text(), QStringLiteral("UTF-8"));
        retype(child<QLineEdit>(dialog, "browserEdit"), QStringLiteral("/usr/bin/firefox"));
        click(dialog, "ftpClientBrowseButton");
        click(dialog, "valueColourButton");
        QCOMPARE(panelColour(dialog, "valueColourPanel"), QColor(1, 2, 3));
        QCOMPARE(child<QLineEdit>(dialog, "valueColourEdit")->text(), QStringLiteral("#010203"));
        // A colour typed as HTML writes it shows in the panel at once.
        retype(child<QLineEdit>(dialog, "keywordColourEdit"), QStringLiteral("#00ff00"));
        QCOMPARE(panelColour(dialog, "keywordColourPanel"), QColor(0, 255, 0));
        retype(child<QLineEdit>(dialog, "commentColourEdit"), QStringLiteral(" 42 "));
        click(dialog, "checkForUpdatesCheck");
        click(dialog, "okButton");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(writtenLines(),
                 (QStringList{QStringLiteral("Courier New"), QStringLiteral("14"),
                              QStringLiteral("false"), QStringLiteral("anna"),
                              QStringLiteral("new pass"), QStringLiteral("ftp.example.org"),
                              QStringLiteral("UserLogin"), QStringLiteral("UTF-8"),
                              QStringLiteral("/usr/bin/firefox"), QStringLiteral("65280"),
                              QString(), QStringLiteral("197121;42;16711680"),
                              QStringLiteral("r12"), QStringLiteral("r13"), QStringLiteral("r14"),
                              QStringLiteral("1"), QStringLiteral("UTF-8"),
                              QStringLiteral("/usr/bin/lftp"), QStringLiteral("false")}));
    }

    void cancelWritesNothingAndTheWindowReadsTheFileAgain() {
        writeIni(readableFile());
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QVERIFY(window.editor()->marginLineNumbers(0));
        QCOMPARE(fontSize(window), 12);

        // Settings written meanwhile, by another copy of the program, say.
        QStringList meanwhile = readableFile();
        meanwhile[SettingsLine::FontSize] = QStringLiteral("16");
        meanwhile[SettingsLine::LineNumbers] = QStringLiteral("false");
        const QByteArray before = encipherSettings(joined(meanwhile));
        whenModalOf<SettingsDialog>([&](SettingsDialog* dialog) {
            QCOMPARE(child<QComboBox>(*dialog, "fontSizeCombo")->currentText(),
                     QStringLiteral("12"));
            retype(child<QLineEdit>(*dialog, "ftpServerEdit"), QStringLiteral("changed"));
            QVERIFY(writeFileBytes(iniPath(), before));
            click(*dialog, "cancelButton");
        });
        action(window, "settingsItem")->trigger();

        QCOMPARE(readFileBytes(iniPath()), before);
        QCOMPARE(fontSize(window), 16);
        QVERIFY(!window.editor()->marginLineNumbers(0));
        QVERIFY(prompter.messages().isEmpty());
    }

    void okAppliesTheFileAndKeepsTheLanguageChosenInTheMenu() {
        writeIni(readableFile()); // German in the file
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QCOMPARE(window.uiLanguage(), UiLanguage::German);
        action(window, "englishItem")->trigger();

        whenModalOf<SettingsDialog>([&](SettingsDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Settings"));
            // The window's own font and colours stand in the edits the file leaves open.
            QCOMPARE(child<QLineEdit>(*dialog, "fontNameEdit")->text(),
                     QStringLiteral("Courier New"));
            child<QComboBox>(*dialog, "fontSizeCombo")->setCurrentText(QStringLiteral("20"));
            click(*dialog, "lineNumbersOffRadio");
            click(*dialog, "okButton");
        });
        action(window, "settingsItem")->trigger();

        QCOMPARE(window.uiLanguage(), UiLanguage::English);
        QCOMPARE(action(window, "newItem")->text(), QStringLiteral("New"));
        QCOMPARE(writtenLines().value(SettingsLine::Language), QStringLiteral("1"));
        QCOMPARE(fontSize(window), 20);
        QVERIFY(!window.editor()->marginLineNumbers(0));
    }

    void missingFileShowsTheWindowsStateAndOkCreatesTheFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModalOf<SettingsDialog>([&](SettingsDialog* dialog) {
            QVERIFY(child<QRadioButton>(*dialog, "lineNumbersOffRadio")->isChecked());
            QCOMPARE(child<QComboBox>(*dialog, "fontSizeCombo")->currentText(),
                     QStringLiteral("10"));
            QVERIFY(!child<QLineEdit>(*dialog, "keywordColourEdit")->text().isEmpty());
            click(*dialog, "okButton");
        });
        action(window, "settingsItem")->trigger();
        const QStringList lines = writtenLines();
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[SettingsLine::LineNumbers], QStringLiteral("false"));
        QCOMPARE(lines[SettingsLine::Charset], QStringLiteral("UTF-8"));
        QCOMPARE(lines[SettingsLine::FtpClient], QStringLiteral("xdg-open"));
        QVERIFY(!window.editor()->marginLineNumbers(0));
    }

    void writeFailureIsReportedAndTheDialogCloses() {
        QDir().mkpath(iniPath()); // a folder where the file belongs
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModalOf<SettingsDialog>([&](SettingsDialog* dialog) { click(*dialog, "okButton"); });
        action(window, "settingsItem")->trigger();
        QCOMPARE(prompter.messages(),
                 QStringList{QStringLiteral("Cannot save file: ") + iniPath()});
        QDir(iniPath()).removeRecursively();
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
