#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

QString code(QDialog& d) {
    return child<QLineEdit>(d, "codeEdit")->text();
}

// Selects the first occurrence of text in the sample editor, as a user drags over it.
void selectSample(QDialog& d, const QString& text) {
    auto* sample = child<QPlainTextEdit>(d, "sampleEdit");
    const int at = int(sample->toPlainText().indexOf(text));
    QVERIFY(at >= 0);
    QTextCursor cursor = sample->textCursor();
    cursor.setPosition(at);
    cursor.setPosition(at + int(text.size()), QTextCursor::KeepAnchor);
    sample->setTextCursor(cursor);
}

} // namespace

class EntitiesDialogTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void entityButtonsShowTheirEntityAndOkInsertsIt() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("ab"));
        window.buffer().select(2, 1);
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Special character"));
            QCOMPARE(code(d), QString());
            QCOMPARE(child<QToolButton>(d, "capitalAAcuteButton")->text(), QStringLiteral("Á"));
            click(d, "capitalAAcuteButton");
            QCOMPARE(code(d), QStringLiteral("&Aacute;"));
            click(d, "capitalOSlashButton");
            QCOMPARE(code(d), QStringLiteral("&Oslash;"));
            click(d, "nonBreakingSpaceButton");
            QCOMPARE(code(d), QStringLiteral("&nbsp;"));
            child<QLineEdit>(d, "codeEdit")->setFocus();
            QTest::keyClicks(child<QLineEdit>(d, "codeEdit"), QStringLiteral("  "));
            click(d, "okButton");
        });
        action(window, "specialCharactersItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("a&nbsp;b"));
        QCOMPARE(window.buffer().selStart(), 7);
        QCOMPARE(window.buffer().selLength(), 0);
    }

    void keyCodeIsInsertedEvenThroughCloseAnEntityOnlyThroughOk() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("[sel]"));
        window.buffer().select(1, 4);
        whenModal([](QDialog& d) {
            click(d, "keyCodeButton"); // nothing selected in the samples: no change
            QCOMPARE(code(d), QString());
            selectSample(d, QStringLiteral("€ ‰"));
            click(d, "keyCodeButton");
            QCOMPARE(code(d), QStringLiteral("&#8364;"));
            click(d, "closeButton");
        });
        action(window, "specialCharactersItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("[&#8364;sel]"));

        whenModal([](QDialog& d) {
            QCOMPARE(code(d), QString()); // cleared on every opening
            click(d, "euroSignButton");
            QCOMPARE(code(d), QStringLiteral("&euro;"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        action(window, "specialCharactersItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("[&#8364;sel]"));
    }

    void sampleEditorKeepsWhatTheUserTyped() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModal([](QDialog& d) {
            auto* sample = child<QPlainTextEdit>(d, "sampleEdit");
            QVERIFY(sample->toPlainText().startsWith(QStringLiteral("£ € ‰ ™")));
            QCOMPARE(sample->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            sample->moveCursor(QTextCursor::End);
            QTest::keyClicks(sample, QStringLiteral(" x "));
            sample->insertPlainText(QStringLiteral("Ω")); // pasted
            click(d, "closeButton");
        });
        action(window, "specialCharactersItem")->trigger();
        whenModal([](QDialog& d) {
            selectSample(d, QStringLiteral("Ω"));
            click(d, "keyCodeButton");
            click(d, "okButton");
        });
        action(window, "specialCharactersItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("&#937;"));
    }

    void dialogAndMenuTextsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QCOMPARE(action(window, "replaceUmlautsItem")->text(),
                 QStringLiteral("Replace special characters"));
        action(window, "germanItem")->trigger();
        QCOMPARE(action(window, "javaScriptStringItem")->text(),
                 QStringLiteral("JavaScript-Stringvariable erstellen"));
        // The dialog sets its texts when it opens; the language switch leaves its entity buttons.
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Sonderzeichen"));
            QCOMPARE(child<QLabel>(d, "codeLabel")->text(), QStringLiteral("Zeichencode"));
            QCOMPARE(child<QPushButton>(d, "keyCodeButton")->text(), QStringLiteral("Zeichencode"));
            QCOMPARE(child<QPushButton>(d, "keyCodeButton")->toolTip(),
                     QStringLiteral("Zeichen erzeugen"));
            QCOMPARE(child<QPushButton>(d, "closeButton")->text(), QStringLiteral("Schließen"));
            QCOMPARE(child<QToolButton>(d, "smallOUmlautButton")->text(), QStringLiteral("ö"));
        });
        action(window, "specialCharactersItem")->trigger();
    }

    void menuCommandsWorkOnTheDocument() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("Grüße\r\nit's"));
        action(window, "replaceUmlautsItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("Gr&uuml;&szlig;e\r\nit's"));

        action(window, "characterReferenceItem")->trigger();
        QCOMPARE(prompter.messages(), QStringList{QStringLiteral(
                                          "To get the HTML code of a character select it first!")});
        window.buffer().select(0, 1);
        action(window, "characterReferenceItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("&#71;r&uuml;&szlig;e\r\nit's"));

        window.buffer().selectAll();
        action(window, "javaScriptStringItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("'&#71;r&uuml;&szlig;e'+\r\n'it\\'s';"));
    }
};

QTEST_MAIN(EntitiesDialogTest)
#include "entities_dialog_test.moc"
