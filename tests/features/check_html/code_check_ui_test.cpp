#include "features/check_html/check_report_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
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

    void checkRewritesReportsInAWindowAndUndoesInOneStep() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        EditorBuffer& editor = window.buffer();
        const QString page = QStringLiteral(
            "<HTML>\r\n<HEAD><TITLE>T</TITLE></HEAD>\r\n<BODY>\r\n<P ALIGN=center>x<BR>\r\n"
            "<SPAN></SPAN></BODY>\r\n</HTML>");
        editor.loadText(page);
        QString report;
        bool closedByEscape = false;
        whenModalOf<CheckReportDialog>([&](CheckReportDialog* dialog) {
            report = dialog->reportText();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Check HTML"));
            QCOMPARE(dialog->findChild<QPushButton*>(QStringLiteral("closeButton"))->text(),
                     QStringLiteral("Close"));
            QVERIFY(dialog->findChild<QShortcut*>(QStringLiteral("helpKey")));
            auto* text = dialog->findChild<QPlainTextEdit*>(QStringLiteral("reportText"));
            QVERIFY(text->isReadOnly() && dialog->focusWidget() == text);
            QTest::keyClick(text, Qt::Key_Escape);
            closedByEscape = !dialog->isVisible();
        });
        action(window, "checkHtmlItem")->trigger();
        QCOMPARE(editor.text(),
                 QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head><title>T</title><meta "
                                "name=GENERATOR content=Hexlume>\r\n</head>\r\n<body>\r\n<p "
                                "align=\"center\">x<br />\r\n</body>\r\n</html>"));
        QCOMPARE(report, QStringLiteral("Code check finished.\n\nBlank tags removed.\nAttribute "
                                        "values quoted: 1\nTags lower-cased: 12\nEmpty elements "
                                        "closed in XHTML form: 1\nEmpty elements removed: 1"));
        QVERIFY(closedByEscape);
        QVERIFY(prompter.messages().isEmpty());
        QVERIFY(editor.isModified());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        window.editor()->undo();
        QCOMPARE(editor.text(), page);
    }
};

QTEST_MAIN(CodeCheckUiTest)
#include "code_check_ui_test.moc"
