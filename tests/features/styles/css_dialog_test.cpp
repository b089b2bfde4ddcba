#include "features/styles/css_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

// The style command as the user meets it: the menu item or button, the CSS dialog filled in
// by typing and choosing, and what lands in the document.
class CssDialogTest : public WindowTest {
    Q_OBJECT

private:
    ScriptedPrompter m_prompter;
    std::unique_ptr<MainWindow> m_window;

    EditorBuffer& buffer() const { return m_window->buffer(); }

    static void choose(QComboBox* box, const char* item) {
        box->setCurrentIndex(box->findText(QLatin1String(item)));
    }

    static QColor swatch(QDialog& d, const char* name) {
        return child<QFrame>(d, name)->palette().color(QPalette::Window);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        m_window = std::make_unique<MainWindow>(m_platform, &m_prompter);
        m_window->show();
        m_window->startUp({});
        action(*m_window, "englishItem")->trigger();
    }

    void cleanupTestCase() { m_window.reset(); }

    void styleButtonCarriesIconAndHint() {
        QAction* button = action(*m_window, "styleButton");
        QVERIFY(button);
        QVERIFY(m_window->actions().insertBar->actions().contains(button));
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->toolTip(), QStringLiteral("Define style"));
        QCOMPARE(action(*m_window, "styleItem")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Alt+Y")));
    }

    void okPutsTheTypedStyleBeforeTheClosingHead() {
        buffer().loadText(QStringLiteral("<html><HEAD><title>t</title></HEAD><body>b</body>"));
        bool shown = false;
        whenModalOf<CssDialog>([&](CssDialog* css) {
            shown = true;
            QDialog& d = *css;
            retype(child<QLineEdit>(d, "selectorEdit"), QStringLiteral(" .nav "));
            click(d, "idRadioButton");
            retype(child<QLineEdit>(d, "topEdit"), QStringLiteral("5px"));
            choose(child<QComboBox>(d, "fontWeightCombo"), "bold");
            QTest::keyClicks(child<QComboBox>(d, "backgroundRepeatCombo")->lineEdit(),
                             QStringLiteral("round"));
            retype(child<QLineEdit>(d, "fontSizeEdit"), QString());
            whenModalOf<QColorDialog>([](QColorDialog* colours) {
                colours->setCurrentColor(QColor(0x56, 0x34, 0x12));
                colours->accept();
            });
            click(d, "textColourButton");
            QCOMPARE(child<QLineEdit>(d, "textColourEdit")->text(), QStringLiteral("#563412"));
            QCOMPARE(swatch(d, "textColourSwatch"), QColor(0x56, 0x34, 0x12));
            click(d, "useLinkStylesCheckBox");
            for (const char* rule :
                 {"linkStyleEdit", "visitedStyleEdit", "focusStyleEdit", "hoverStyleEdit"})
                retype(child<QLineEdit>(d, rule), QString());
            click(d, "okButton");
        });
        action(*m_window, "styleItem")->trigger();
        QVERIFY(shown);
        QCOMPARE(buffer().text(),
                 QStringLiteral("<html><HEAD><title>t</title>\r\n"
                                "<style type=\"text/css\">\r\n<!--\r\n#nav{\r\ntop:5px;\r\n"
                                "font-family:Arial,Helvetica;\r\nfont-weight:bold;\r\n"
                                "color:#563412;\r\nbackground-repeat:round;\r\n}\r\n\r\n"
                                "a:active {font-weight:bold; color:black; "
                                "text-decoration:underline;}\r\n-->\r\n</style>"
                                "\r\n</HEAD><body>b</body>"));
    }

    // Runs after the OK above, in the same dialog.
    void nextOpeningKeepsFieldsButClearsColoursAndLinkBox() {
        buffer().loadText(QStringLiteral("x"));
        bool shown = false;
        whenModalOf<CssDialog>([&](CssDialog* css) {
            shown = true;
            QDialog& d = *css;
            QCOMPARE(child<QLineEdit>(d, "selectorEdit")->text(), QStringLiteral("#nav"));
            QVERIFY(child<QRadioButton>(d, "idRadioButton")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "topEdit")->text(), QStringLiteral("5px"));
            QCOMPARE(child<QComboBox>(d, "fontWeightCombo")->currentText(), QStringLiteral("bold"));
            QVERIFY(child<QLineEdit>(d, "hoverStyleEdit")->text().isEmpty());
            QVERIFY(child<QLineEdit>(d, "textColourEdit")->text().isEmpty());
            QVERIFY(!child<QCheckBox>(d, "useLinkStylesCheckBox")->isChecked());
            QCOMPARE(swatch(d, "textColourSwatch"), d.palette().color(QPalette::Button));
            QVERIFY(child<QPushButton>(d, "okButton")->isDefault());
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        });
        action(*m_window, "styleButton")->trigger();
        QVERIFY(shown);
        QCOMPARE(buffer().text(), QStringLiteral("x"));
        QVERIFY(!buffer().isModified());
        QVERIFY(m_window->findChild<CssDialog*>()->style().isEmpty());
    }

    void withoutHeadTheElementGoesInFrontOfTheSelection() {
        buffer().loadText(QStringLiteral("abc"));
        buffer().select(1, 2);
        whenModalOf<CssDialog>([](CssDialog* css) {
            retype(child<QLineEdit>(*css, "selectorEdit"), QString());
            click(*css, "okButton");
        });
        action(*m_window, "styleItem")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("a\r\n<style type=\"text/css\">\r\n<!--\r\n"
                                                 "-->\r\n</style>\r\nbc"));
    }

    void cancelChangesNothing() {
        buffer().loadText(QStringLiteral("<head></head>"));
        whenModalOf<CssDialog>([](CssDialog* css) { click(*css, "cancelButton"); });
        action(*m_window, "styleItem")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("<head></head>"));
    }

    void captionsFollowTheLanguage() {
        action(*m_window, "germanItem")->trigger();
        QStringList german;
        whenModalOf<CssDialog>([&](CssDialog* css) {
            for (const char* group :
                 {"positionGroup", "borderGroup", "fontGroup", "backgroundGroup"})
                german << child<QGroupBox>(*css, group)->title();
            german << child<QCheckBox>(*css, "useLinkStylesCheckBox")->text()
                   << child<QPushButton>(*css, "cancelButton")->text() << css->windowTitle();
        });
        action(*m_window, "styleItem")->trigger();
        action(*m_window, "englishItem")->trigger();
        QCOMPARE(german,
                 (QStringList{QStringLiteral("Verschiedenes/Position"), QStringLiteral("Rahmen"),
                              QStringLiteral("Schrift"), QStringLiteral("Hintergrund"),
                              QStringLiteral("Link Styles verwenden"), QStringLiteral("Abbrechen"),
                              QStringLiteral("CSS ")}));
    }
};

QTEST_MAIN(CssDialogTest)
#include "css_dialog_test.moc"
