#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class LinksDialogTest : public WindowTest {
    Q_OBJECT

private:
    static void trigger(MainWindow& window, const char* name) { action(window, name)->trigger(); }
    static void select(MainWindow& window, const QString& text, const QString& selected) {
        window.buffer().loadText(text);
        const int at = int(text.indexOf(selected));
        window.buffer().select(at, at + int(selected.size()));
    }
    static QComboBox* picker(MainWindow& window, const char* name) {
        return window.findChild<QComboBox*>(QLatin1String(name));
    }
    // The desktop's colour dialog answered with a colour, or cancelled for an invalid one.
    static void whenColourDialog(QColor colour) {
        whenModal([colour](QDialog& d) {
            auto* dialog = qobject_cast<QColorDialog*>(&d);
            QVERIFY(dialog);
            if (!colour.isValid())
                return;
            dialog->setCurrentColor(colour);
            dialog->accept();
        });
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void selectedAddressBecomesAMailLink() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        select(window, QStringLiteral("write me@x.de now"), QStringLiteral("me@x.de"));
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Create link"));
            QVERIFY(child<QRadioButton>(d, "mailtoButton")->isChecked());
            QCOMPARE(child<QLabel>(d, "targetLabel")->text(), QStringLiteral("E-mail"));
            QCOMPARE(child<QLineEdit>(d, "targetEdit")->text(), QStringLiteral("me@x.de"));
            QCOMPARE(child<QLineEdit>(d, "descriptionEdit")->text(), QStringLiteral("me@x.de"));
            QVERIFY(!child<QComboBox>(d, "targetFrameCombo")->isEnabled());
            QTest::keyClick(child<QLineEdit>(d, "targetEdit"), Qt::Key_Return);
        });
        trigger(window, "linkItem");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("write <a href=\"mailto:me@x.de\">me@x.de</a> now"));
    }

    void incompleteLinkKeepsTheDialogOpenWithTheInput() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        select(window, QStringLiteral("see word here"), QStringLiteral("word"));
        whenModal([&prompter](QDialog& d) {
            QVERIFY(child<QRadioButton>(d, "httpButton")->isChecked());
            QCOMPARE(child<QComboBox>(d, "targetFrameCombo")->currentText(),
                     QStringLiteral("_blank"));
            click(d, "okButton");
            QVERIFY(d.isVisible());
            QCOMPARE(prompter.messages(), QStringList{QStringLiteral("Enter a URL pls!")});
            QCOMPARE(child<QLineEdit>(d, "descriptionEdit")->text(), QStringLiteral("word"));
            retype(child<QLineEdit>(d, "targetEdit"), QStringLiteral("example.com"));
            retype(child<QLineEdit>(d, "titleEdit"), QStringLiteral("Example"));
            child<QComboBox>(d, "targetFrameCombo")->setCurrentText(QStringLiteral("_top"));
            click(d, "okButton");
            QVERIFY(!d.isVisible());
        });
        trigger(window, "linkItem");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("see <a title=\"Example\" href=\"http://example.com\" "
                                "target=\"_top\">word</a> here"));
    }

    void anchorButtonFillsTheSampleAndCancelLeavesTheDocument() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        trigger(window, "germanItem");
        select(window, QStringLiteral("Text"), QStringLiteral("Text"));
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("HTML Link erstellen"));
            QCOMPARE(child<QRadioButton>(d, "noneButton")->text(), QStringLiteral("ohne"));
            QCOMPARE(child<QRadioButton>(d, "anchorButton")->toolTip(),
                     QStringLiteral("Kapitel/Abschnitt der aktuellen Seite verlinken"));
            click(d, "anchorButton");
            QCOMPARE(child<QLabel>(d, "targetLabel")->text(), QStringLiteral("Anker (#)"));
            QCOMPARE(child<QLineEdit>(d, "targetEdit")->text(), QStringLiteral("Chapter1"));
            QCOMPARE(child<QLineEdit>(d, "titleEdit")->text(), QStringLiteral("Go to Chapter1"));
            QVERIFY(!child<QComboBox>(d, "targetFrameCombo")->isEnabled());
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        trigger(window, "linkItem");
        QCOMPARE(window.buffer().text(), QStringLiteral("Text"));
        QVERIFY(!window.buffer().isModified());

        // Cancel emptied target and description; the protocol starts on http again.
        window.buffer().setSelLength(0);
        whenModal([](QDialog& d) {
            QVERIFY(child<QRadioButton>(d, "httpButton")->isChecked());
            QVERIFY(child<QLineEdit>(d, "targetEdit")->text().isEmpty());
            QVERIFY(child<QLineEdit>(d, "descriptionEdit")->text().isEmpty());
            QVERIFY(child<QComboBox>(d, "targetFrameCombo")->isEnabled());
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
        });
        trigger(window, "linkItem");
    }

    void enterAndEscapeWorkFromTheTargetPicker() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModal([](QDialog& d) {
            QComboBox* frame = child<QComboBox>(d, "targetFrameCombo");
            frame->setFocus();
            QTest::keyClick(frame, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
        trigger(window, "linkItem");
        whenModal([](QDialog& d) {
            retype(child<QLineEdit>(d, "targetEdit"), QStringLiteral("a.de"));
            retype(child<QLineEdit>(d, "descriptionEdit"), QStringLiteral("A"));
            QComboBox* frame = child<QComboBox>(d, "targetFrameCombo");
            frame->setFocus();
            QTest::keyClick(frame, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        });
        trigger(window, "linkItem");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<a  href=\"http://a.de\" target=\"_blank\">A</a>"));
    }

    void colourCommandInsertsTheCodeInFrontOfTheSelection() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        select(window, QStringLiteral("a red b"), QStringLiteral("red"));
        whenColourDialog(QColor());
        trigger(window, "colourCodeItem");
        QCOMPARE(window.buffer().text(), QStringLiteral("a red b"));

        whenColourDialog(QColor(0x56, 0x34, 0x12));
        trigger(window, "colourCodeButton");
        QCOMPARE(window.buffer().text(), QStringLiteral("a #563412red b"));
    }

    void fontCommandReadsTheToolbarPickers() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QCOMPARE(picker(window, "fontNameCombo")->currentText(), QStringLiteral("Arial"));
        QCOMPARE(picker(window, "fontColourCombo")->currentText(), QStringLiteral("Black"));
        QVERIFY(picker(window, "fontSizeCombo")->currentText().isEmpty());
        trigger(window, "fontSpanItem");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<span style=\" font-family:Arial; color:#000000;\"> </span>"));

        select(window, QStringLiteral("a word b"), QStringLiteral("word"));
        QComboBox* font = picker(window, "fontNameCombo");
        font->lineEdit()->selectAll();
        QTest::keyClicks(font->lineEdit(), QStringLiteral("Verdana"));
        QTest::keyClicks(picker(window, "fontSizeCombo")->lineEdit(), QStringLiteral("12"));
        QComboBox* colour = picker(window, "fontColourCombo");
        colour->setCurrentIndex(colour->findText(QStringLiteral("Maroon")));
        QTest::keyClick(colour, Qt::Key_Down); // Green, chosen as a user would
        QCOMPARE(colour->currentText(), QStringLiteral("Green"));
        trigger(window, "fontSpanButton");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("a <span style=\" font-family:Verdana; font-size:12px; "
                                "color:#008000;\">word </span> b"));
    }

    void customColourJoinsTheListAndCancelKeepsThePreviousOne() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QComboBox* colour = picker(window, "fontColourCombo");
        whenColourDialog(QColor(0x56, 0x34, 0x12));
        QTest::keyClick(colour, Qt::Key_End);
        QCOMPARE(colour->currentText(), QStringLiteral("#563412"));
        trigger(window, "fontSpanItem");
        QVERIFY(window.buffer().text().contains(QStringLiteral(" color:#563412;")));

        whenColourDialog(QColor());
        QTest::keyClick(colour, Qt::Key_End);
        QCOMPARE(colour->currentText(), QStringLiteral("#563412"));
    }

    void pickerHintsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        trigger(window, "germanItem");
        QCOMPARE(picker(window, "fontColourCombo")->toolTip(), QStringLiteral("Schriftfarbe"));
        QCOMPARE(action(window, "linkButton")->toolTip(), QStringLiteral("Link erstellen"));
        trigger(window, "englishItem");
        QCOMPARE(picker(window, "fontColourCombo")->toolTip(), QStringLiteral("Font colour"));
    }
};

QTEST_MAIN(LinksDialogTest)
#include "links_dialog_test.moc"
