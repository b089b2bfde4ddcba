#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

class TransformUiTest : public WindowTest {
    Q_OBJECT

private:
private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void editMenuHoldsTheFiveCommandsAsAGroupInBothLanguages() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QList<QAction*> items = window.actions().editMenu->actions();
        const qsizetype first = items.indexOf(action(window, "removeLineFeedsItem"));
        QVERIFY(first > 0 && first + 5 <= items.size());
        QVERIFY(items[first - 1]->isSeparator());
        QStringList names;
        for (qsizetype i = first; i < first + 5; ++i)
            names << items[i]->objectName();
        QCOMPARE(names,
                 (QStringList{"removeLineFeedsItem", "insertLineFeedsItem", "removeHyphenationItem",
                              "upperToLowerItem", "lowerToUpperItem"}));
        QCOMPARE(items[first + 4]->text(), QStringLiteral("Klein- zu Großschreibung"));
        window.startUp({});
        action(window, "englishItem")->trigger();
        QCOMPARE(action(window, "removeLineFeedsItem")->text(), QStringLiteral("Remove LF"));
        QCOMPARE(action(window, "upperToLowerItem")->text(), QStringLiteral("Upper- to lowercase"));
    }

    void menuItemsRewriteTheTextAndUndoInOneStep() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        EditorBuffer& editor = window.buffer();
        const QString page = QStringLiteral(
            "<html>\r\n<body>\r\n<p>Sil-ben\r\ntren-nung</p>\r\n<script>\r\nx-1\r\n</script>\r\n"
            "</body>\r\n</html>");
        editor.loadText(page);

        action(window, "removeLineFeedsItem")->trigger();
        const QString joined = QStringLiteral(
            "<html><body><p>Sil-bentren-nung</p><script>\r\nx-1\r\n</script></body></html>");
        QCOMPARE(editor.text(), joined);
        QVERIFY(editor.isModified());

        action(window, "removeHyphenationItem")->trigger();
        QCOMPARE(editor.text(), QStringLiteral("<html><body><p>Silbentrennung</p><script>\r\nx-1"
                                               "\r\n</script></body></html>"));
        QCOMPARE(prompter.messages(), QStringList{QStringLiteral("2 x hyphenation deleted.")});
        QCOMPARE(editor.selStart(), 25);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        action(window, "insertLineFeedsItem")->trigger();
        QVERIFY(editor.text().startsWith(QStringLiteral("<html>\r\n<body>\r\n<p>\r\nSilben")));
        editor.select(0, 6);
        action(window, "lowerToUpperItem")->trigger();
        QVERIFY(editor.text().startsWith(QStringLiteral("<HTML>\r\n")));
        editor.select(0, 6);
        action(window, "upperToLowerItem")->trigger();
        QVERIFY(editor.text().startsWith(QStringLiteral("<html>\r\n")));

        for (int step = 0; step < 3; ++step)
            window.editor()->undo();
        QCOMPARE(editor.text(), QStringLiteral("<html><body><p>Silbentrennung</p><script>\r\nx-1"
                                               "\r\n</script></body></html>"));
        window.editor()->undo();
        QCOMPARE(editor.text(), joined);
        window.editor()->undo();
        QCOMPARE(editor.text(), page);
    }
};

QTEST_MAIN(TransformUiTest)
#include "transform_ui_test.moc"
