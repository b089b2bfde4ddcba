#include "features/settings_dialog/setup_dialog.h"
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

class SetupDialogTest : public WindowTest {
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

    void showing_FillsControlsFromTheFileInTheDialogsLanguage() {
        writeIni(sampleFile());
        TFormSetup dialog;
        dialog.PLanguage = UiLanguage::English;
        dialog.IniPath = folder();
        dialog.FormShow();

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        // The colour buttons' hint is German in both languages.
        QCOMPARE(child<QPushButton>(dialog, "BitBtn5")->toolTip(),
                 QStringLiteral("Farbe auswählen"));

        QCOMPARE(child<QComboBox>(dialog, "Edit2")->currentText(), QStringLiteral("12"));
        QVERIFY(child<QRadioButton>(dialog, "RadioButton1")->isChecked());
        QCOMPARE(child<QComboBox>(dialog, "ComboISO")->currentText(),
                 QStringLiteral("Windows-1251"));
        QCOMPARE(child<QLabel>(dialog, "LabelIso")->text(), QStringLiteral("Russian/Cyrillic"));
        QVERIFY(child<QCheckBox>(dialog, "CheckAnonym")->isChecked());
        QVERIFY(!child<QLineEdit>(dialog, "EditUser")->isEnabled());
        QVERIFY(!child<QLineEdit>(dialog, "MaskEditPass")->isEnabled());
        QCOMPARE(child<QLineEdit>(dialog, "MaskEditPass")->echoMode(), QLineEdit::Password);
        QCOMPARE(child<QLineEdit>(dialog, "EditClient")->text(), QStringLiteral("explorer.exe"));

        // Red is 255 in the toolkit's order; a value that is no number leaves the panel plain.
        QCOMPARE(panelColour(dialog, "Panel1"), QColor(Qt::red));
        QCOMPARE(panelColour(dialog, "Panel2"), dialog.palette().color(QPalette::Button));
        QCOMPARE(panelColour(dialog, "Panel3"), QColor(0, 255, 0));
        QCOMPARE(panelColour(dialog, "Panel4"), dialog.palette().color(QPalette::Button));
        QCOMPARE(panelColour(dialog, "Panel5"), QColor(0, 0, 255));

        dialog.PLanguage = UiLanguage::German;
        dialog.FormShow();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        QCOMPARE(child<QPushButton>(dialog, "BitBtn10")->toolTip(), QStringLiteral("Durchsuchen"));
    }

    void changingControls_OkWritesTheFileExactly() {
        writeIni(sampleFile());
        TFormSetup dialog;
        dialog.PLanguage = UiLanguage::English;
        dialog.IniPath = folder();
        dialog.chooseColour = [](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); };
        dialog.chooseProgram = [](const QString&) { return QStringLiteral("/usr/bin/lftp"); };
        dialog.FormShow();
        dialog.show();

        retype(child<QComboBox>(dialog, "Edit2")->lineEdit(), QStringLiteral("14"));
        click(dialog, "RadioButton2");
        click(dialog, "CheckAnonym");
        QVERIFY(child<QLineEdit>(dialog, "EditUser")->isEnabled());
        retype(child<QLineEdit>(dialog, "MaskEditPass"), QStringLiteral("new pass"));
        child<QComboBox>(dialog, "ComboISO")->setCurrentIndex(5);
        QCOMPARE(child<QLabel>(dialog, "LabelIso")->text(), QStringLiteral("UTF-8"));
        retype(child<QLineEdit>(dialog, "EditBrowser"), QStringLiteral("/usr/bin/firefox"));
        click(dialog, "BitBtn10");
        click(dialog, "BitBtn7");
        QCOMPARE(panelColour(dialog, "Panel3"), QColor(1, 2, 3));
        retype(child<QLineEdit>(dialog, "EditComment"), QStringLiteral(" 42 "));
        click(dialog, "CheckBoxUpdate");
        click(dialog, "BitBtn1");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(writtenLines(),
                 (QStringList{QStringLiteral("Courier New"), QStringLiteral("14"),
                              QStringLiteral("false"), QStringLiteral("anna"),
                              QStringLiteral("new pass"), QStringLiteral("ftp.example.org"),
                              QStringLiteral("UserLogin"), QStringLiteral("UTF-8"),
                              QStringLiteral("/usr/bin/firefox"), QStringLiteral("255"), QString(),
                              QStringLiteral("197121;42;16711680"), QStringLiteral("r12"),
                              QStringLiteral("r13"), QStringLiteral("r14"), QStringLiteral("1"),
                              QStringLiteral("UTF-8"), QStringLiteral("/usr/bin/lftp"),
                              QStringLiteral("false")}));
    }

    void cancel_WritesNothing_AndTheWindowReadsTheFileAgain() {
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
        whenModalOf<TFormSetup>([&](TFormSetup* dialog) {
            QCOMPARE(child<QComboBox>(*dialog, "Edit2")->currentText(), QStringLiteral("12"));
            retype(child<QLineEdit>(*dialog, "EditServer"), QStringLiteral("changed"));
            QVERIFY(writeFileBytes(iniPath(), before));
            click(*dialog, "BitBtn2");
        });
        action(window, "Settings2")->trigger();

        QCOMPARE(readFileBytes(iniPath()), before);
        QCOMPARE(fontSize(window), 16);
        QVERIFY(!window.editor()->marginLineNumbers(0));
        QVERIFY(prompter.messages().isEmpty());
    }

    void ok_WindowAppliesTheFile_AndKeepsTheLanguageChosenInTheMenu() {
        writeIni(readableFile()); // German in the file
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QCOMPARE(window.uiLanguage(), UiLanguage::German);
        action(window, "englishItem")->trigger();

        whenModalOf<TFormSetup>([&](TFormSetup* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Settings"));
            // The window's own font and colours stand in the edits the file leaves open.
            QCOMPARE(child<QLineEdit>(*dialog, "Edit1")->text(), QStringLiteral("Courier New"));
            child<QComboBox>(*dialog, "Edit2")->setCurrentText(QStringLiteral("20"));
            click(*dialog, "RadioButton2");
            click(*dialog, "BitBtn1");
        });
        action(window, "Settings2")->trigger();

        QCOMPARE(window.uiLanguage(), UiLanguage::English);
        QCOMPARE(action(window, "newItem")->text(), QStringLiteral("New"));
        QCOMPARE(writtenLines().value(SettingsLine::Language), QStringLiteral("1"));
        QCOMPARE(fontSize(window), 20);
        QVERIFY(!window.editor()->marginLineNumbers(0));
    }

    void missingFile_ShowsTheWindowsStateAndOkCreatesTheFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModalOf<TFormSetup>([&](TFormSetup* dialog) {
            QVERIFY(child<QRadioButton>(*dialog, "RadioButton2")->isChecked());
            QCOMPARE(child<QComboBox>(*dialog, "Edit2")->currentText(), QStringLiteral("10"));
            QVERIFY(!child<QLineEdit>(*dialog, "EditIdentifier")->text().isEmpty());
            click(*dialog, "BitBtn1");
        });
        action(window, "Settings2")->trigger();
        const QStringList lines = writtenLines();
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[SettingsLine::LineNumbers], QStringLiteral("false"));
        QCOMPARE(lines[SettingsLine::Charset], QStringLiteral("ISO-8859-1"));
        QVERIFY(!window.editor()->marginLineNumbers(0));
    }

    void writeFailure_IsReportedAndTheDialogCloses() {
        QDir().mkpath(iniPath()); // a folder where the file belongs
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModalOf<TFormSetup>([&](TFormSetup* dialog) { click(*dialog, "BitBtn1"); });
        action(window, "Settings2")->trigger();
        QCOMPARE(prompter.messages(),
                 QStringList{QStringLiteral("Cannot save file: ") + iniPath()});
        QDir(iniPath()).removeRecursively();
    }
};

QTEST_MAIN(SetupDialogTest)
#include "setup_dialog_test.moc"
