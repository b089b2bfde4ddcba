#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QGuiApplication>
#include <QMenu>
#include <QTest>

class CodeCheckUiTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void htmlMenuItemFollowsTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        QAction* item = action(window, "checkHtmlItem");
        QVERIFY(item);
        QVERIFY(window.actions().htmlMenu->actions().contains(item));
        QCOMPARE(item->text(), QStringLiteral("Prüfe HTML"));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F9));
        QVERIFY(!item->icon().isNull());
        window.startUp({});
        action(window, "englishItem")->trigger();
        QCOMPARE(item->text(), QStringLiteral("Check HTML"));
    }

    void checkRewritesReportsAndUndoesInOneStep() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        EditorBuffer& editor = window.buffer();
        const QString page = QStringLiteral(
            "<HTML>\r\n<HEAD><TITLE>T</TITLE></HEAD>\r\n<BODY>\r\n<P ALIGN=center>x<BR>\r\n"
            "<SPAN></SPAN></BODY>\r\n</HTML>");
        editor.loadText(page);
        action(window, "checkHtmlItem")->trigger();
        QCOMPARE(editor.text(),
                 QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head><title>T</title><meta "
                                "name=GENERATOR content=Hexlume>\r\n</head>\r\n<body>\r\n<p "
                                "align=\"center\">x<br />\r\n</body>\r\n</html>"));
        QCOMPARE(prompter.messages(),
                 QStringList{QStringLiteral("Code check finished.\r\n\r\nBlank tags removed.")});
        QVERIFY(editor.isModified());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        window.editor()->undo();
        QCOMPARE(editor.text(), page);
    }
};

QTEST_MAIN(CodeCheckUiTest)
#include "code_check_ui_test.moc"
