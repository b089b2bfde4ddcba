#include "features/scratch_window/scratch_actions.h"
#include "features/scratch_window/scratch_window.h"
#include "features/styles/css_dialog.h"
#include "features/styles/div_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The DIV and SPAN commands through their dialog: typing, choosing, the "Style=" button, the
// look-ups, and what reaches the document.
class DivDialogTest : public WindowTest {
    Q_OBJECT

private:
    ScriptedPrompter m_prompter;
    std::unique_ptr<MainWindow> m_window;

    EditorBuffer& buffer() const { return m_window->buffer(); }

    static void choose(QComboBox* box, const char* item) {
        box->setCurrentIndex(box->findText(QLatin1String(item)));
    }

    // The scratch window runs a modal loop of its own: note what it shows, then close it.
    void closeScratchWindowWhenShown(QString* shown) {
        auto* timer = new QTimer(this);
        auto tries = std::make_shared<int>(0);
        connect(timer, &QTimer::timeout, this, [this, timer, tries, shown] {
            ScratchWindow& scratch = m_window->findChild<ScratchActions*>()->scratchWindow();
            if (scratch.isVisible()) {
                *shown = scratch.textEdit()->toPlainText();
                scratch.close();
                timer->deleteLater();
            } else if (++*tries > 100) {
                timer->deleteLater();
            }
        });
        timer->start(10);
    }

    // Loads the page, fills the class field, clicks its look-up button and closes the dialog.
    void lookUpClass(const QString& page, const QString& klass, UiLanguage language) {
        buffer().loadText(page);
        action(*m_window, language == UiLanguage::German ? "germanItem" : "englishItem")->trigger();
        whenModalOf<DivDialog>([&](DivDialog* div) {
            retype(child<QLineEdit>(*div, "classEdit"), klass);
            click(*div, "classLookupButton");
            click(*div, "cancelButton");
        });
        action(*m_window, "divItem")->trigger();
        action(*m_window, "englishItem")->trigger();
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

    void divWrapsTheSelectionWithTheTypedProperties() {
        buffer().loadText(QStringLiteral("a word b"));
        buffer().select(6, 2);
        bool shown = false;
        whenModalOf<DivDialog>([&](DivDialog* div) {
            shown = true;
            QDialog& d = *div;
            QCOMPARE(child<QLabel>(d, "tagNameLabel")->text(), QStringLiteral("<DIV>"));
            QCOMPARE(child<QLineEdit>(d, "styleEdit")->text(),
                     QStringLiteral("width: 800px; margin: 0 auto"));
            retype(child<QLineEdit>(d, "classEdit"), QStringLiteral(".box"));
            retype(child<QLineEdit>(d, "idEdit"), QStringLiteral(" #top"));
            choose(child<QComboBox>(d, "textAlignCombo"), "center");
            QTest::keyClick(child<QLineEdit>(d, "idEdit"), Qt::Key_Return);
        });
        action(*m_window, "divItem")->trigger();
        QVERIFY(shown);
        QCOMPARE(buffer().text(),
                 QStringLiteral("a <div id=\"top\" class=\"box\" style=\"width: 800px; margin: 0 "
                                "auto; text-align: center\">word</div> b"));
        QCOMPARE(buffer().caretOffset(), int(buffer().text().size()) - 2);
    }

    void cancelChangesNothingAndTheNextOpeningStartsAfresh() {
        buffer().loadText(QStringLiteral("word"));
        buffer().selectAll();
        whenModalOf<DivDialog>([](DivDialog* div) {
            retype(child<QLineEdit>(*div, "classEdit"), QStringLiteral("left over"));
            QTest::keyClick(div, Qt::Key_Escape);
        });
        action(*m_window, "spanItem")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("word"));
        QVERIFY(!buffer().isModified());

        QStringList seen;
        whenModalOf<DivDialog>([&](DivDialog* div) {
            seen << child<QLabel>(*div, "tagNameLabel")->text()
                 << child<QLineEdit>(*div, "classEdit")->text()
                 << child<QLineEdit>(*div, "styleEdit")->text()
                 << child<QComboBox>(*div, "textAlignCombo")->currentText();
            click(*div, "okButton");
        });
        action(*m_window, "spanItem")->trigger();
        QCOMPARE(seen, (QStringList{QStringLiteral("<SPAN>"), QString(),
                                    QStringLiteral("font-family: Arial, Helvetica; font-weight: "
                                                   "normal; font-size: 12px"),
                                    QString()}));
        QCOMPARE(buffer().text(),
                 QStringLiteral("<span style=\"font-family: Arial, Helvetica; "
                                "font-weight: normal; font-size: 12px\">word</span>"));
    }

    void styleButtonFillsTheStyleFieldFromTheCssDialog() {
        buffer().loadText(QString());
        bool cssShown = false;
        whenModalOf<DivDialog>([&](DivDialog* div) {
            QDialog& d = *div;
            click(d, "clearStyleButton");
            QVERIFY(child<QLineEdit>(d, "styleEdit")->text().isEmpty());
            whenModalOf<CssDialog>([&](CssDialog* css) {
                cssShown = true;
                QVERIFY(css->isOneLine());
                retype(child<QLineEdit>(*css, "widthEdit"), QStringLiteral("50%"));
                click(*css, "okButton");
            });
            click(d, "editStyleButton");
            QCOMPARE(child<QLineEdit>(d, "styleEdit")->text(),
                     QStringLiteral("width:50%;font-family:Arial,Helvetica;font-size:12px;"));
            // A Cancel there empties the field again.
            whenModalOf<CssDialog>([](CssDialog* css) { click(*css, "cancelButton"); });
            click(d, "editStyleButton");
            QVERIFY(child<QLineEdit>(d, "styleEdit")->text().isEmpty());
            whenModalOf<CssDialog>([](CssDialog* css) { click(*css, "okButton"); });
            click(d, "editStyleButton");
            click(d, "okButton");
        });
        action(*m_window, "divItem")->trigger();
        QVERIFY(cssShown);
        QCOMPARE(buffer().text(),
                 QStringLiteral("<div style=\"width:50%;font-family:Arial,Helvetica;"
                                "font-size:12px;\"></div>"));
    }

    void classLookupInAnotherCaseReportsTheMessage() {
        const QString page = QStringLiteral("<style>.Box{color:red}</style><p class=\"box\">");
        m_prompter.clearMessages();
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        lookUpClass(page, QStringLiteral("box"), UiLanguage::English);
        lookUpClass(page, QStringLiteral("box"), UiLanguage::German);
        QCOMPARE(
            m_prompter.messages(),
            (QStringList{QStringLiteral("Style not found in document. Check external CSS file(s)."),
                         QStringLiteral("Style im Dokument nicht gefunden. Prüfen Sie externe CSS "
                                        "Datei(en).")}));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void lookupsPutTheRuleOrEveryStyleBlockOnTheClipboard() {
        const QString page = QStringLiteral("<style>.Box{color:red}</style>\r\n<p>\r\n"
                                            "<STYLE>#a{}</STYLE>");
        m_prompter.clearMessages();
        QString shown;
        closeScratchWindowWhenShown(&shown);
        lookUpClass(page, QStringLiteral("Box"), UiLanguage::English);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(".Box{color:red}"));
        QCOMPARE(shown, QStringLiteral(".Box{color:red}"));

        m_window->findChild<ScratchActions*>()->scratchWindow().setLanguage(UiLanguage::English);
        closeScratchWindowWhenShown(&shown);
        lookUpClass(page, QString(), UiLanguage::German);
        const QString blocks =
            QStringLiteral("<style>.Box{color:red}</style>\r\n<STYLE>#a{}</STYLE>\r\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), blocks);
        // The plain-text window shows line breaks as LF.
        QCOMPARE(shown, QString(blocks).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(m_window->findChild<ScratchActions*>()->scratchWindow().language(),
                 UiLanguage::German);
        QVERIFY(m_prompter.messages().isEmpty());
        QCOMPARE(buffer().text(), page);
    }
};

QTEST_MAIN(DivDialogTest)
#include "div_dialog_test.moc"
