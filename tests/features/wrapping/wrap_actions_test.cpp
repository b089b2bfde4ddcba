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
#include <QToolBar>

// The wrap commands as the user reaches them: menu items, toolbar buttons and shortcuts.
class WrapActionsTest : public WindowTest {
    Q_OBJECT

private:
    ScriptedPrompter m_prompter;
    std::unique_ptr<MainWindow> m_window;

    QAction* action(const char* name) const {
        QAction* a = m_window->findChild<QAction*>(QLatin1String(name));
        if (!a)
            qWarning("no action %s", name);
        return a;
    }
    EditorBuffer& buffer() const { return m_window->buffer(); }
    void load(const QString& text, int anchor, int caret) {
        buffer().loadText(text);
        buffer().select(anchor, caret);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        m_window = std::make_unique<MainWindow>(m_platform, &m_prompter);
        m_window->show();
        m_window->startUp({});
    }

    void cleanupTestCase() { m_window.reset(); }

    void toggleButtonsWrapAndComeBackReleased() {
        load(QStringLiteral("one two"), 7, 4); // "two", selected right to left
        action("boldButton")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("one <b>two </b>"));
        QVERIFY(action("boldButton")->isCheckable());
        QVERIFY(!action("boldButton")->isChecked());

        action("alignCenterButton")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("one <b>two </b><p align=\"center\"> </p>"));
        for (const char* name :
             {"alignLeftButton", "alignCenterButton", "alignRightButton", "justifyButton"})
            QVERIFY2(!action(name)->isChecked(), name);

        action("underlineButton")->setChecked(true);
        load(QStringLiteral("x"), 0, 1);
        action("strikeButton")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("<strike>x </strike>"));
        QVERIFY(!action("underlineButton")->isChecked());

        buffer().undo();
        QCOMPARE(buffer().text(), QStringLiteral("x"));
    }

    void menuItemsAndButtonsShareTheCommands() {
        load(QStringLiteral("a\r\nb"), 0, 4);
        action("orderedListItem")->trigger();
        QCOMPARE(buffer().text(),
                 QStringLiteral("<ol type=\"1\">\r\n<li>a</li>\r\n<li>b </li>\r\n</ol>"));
        buffer().selectAll();
        action("unorderedListButton")->trigger(); // takes the list apart again
        QCOMPARE(buffer().text(), QStringLiteral("\r\na</li>\r\nb\r\n"));
        QVERIFY(!action("unorderedListButton")->isChecked());

        load(QStringLiteral("word"), 0, 4);
        action("heading3Item")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral("<h3>word</h3>"));
        load(QStringLiteral("word"), 4, 0);
        action("lineBreakButton")->trigger();
        QCOMPARE(buffer().text(), QStringLiteral(" <br />word"));
        QCOMPARE(buffer().caretOffset(), 7);
        load(QStringLiteral("old"), 0, 3);
        action("scriptItem")->trigger();
        QCOMPARE(buffer().text(),
                 QStringLiteral("<script type=\"text/javascript\">\r\n\r\n</script>"));
        load(QStringLiteral("   "), 0, 3);
        action("indentButton")->trigger();
        QCOMPARE(buffer().text(),
                 QStringLiteral("<p style=\"text-align:left; margin-left:50px\">    </p>   "));
    }

    void shortcutsReachTheCommandsFromTheEditor() {
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->editor()->setFocus();
        load(QStringLiteral("word"), 0, 4);
        QTest::keyClick(m_window->editor(), Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(buffer().text(), QStringLiteral("<b>word </b>"));
        load(QStringLiteral("x"), 0, 0);
        QTest::keyClick(m_window->editor(), Qt::Key_K, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(buffer().text(), QStringLiteral(" <br />x"));
    }

    void buttonsHaveIconsAndHintsInBothLanguages() {
        const char* buttons[] = {"boldButton",        "italicButton",      "underlineButton",
                                 "strikeButton",      "superscriptButton", "subscriptButton",
                                 "alignLeftButton",   "alignCenterButton", "alignRightButton",
                                 "justifyButton",     "indentButton",      "unorderedListButton",
                                 "orderedListButton", "lineBreakButton",   "horizontalLineButton"};
        action("germanItem")->trigger();
        for (const char* name : buttons) {
            QVERIFY2(m_window->actions().standardBar->actions().contains(action(name)), name);
            QVERIFY2(!action(name)->icon().isNull(), name);
            QVERIFY2(!action(name)->toolTip().isEmpty(), name);
        }
        QCOMPARE(action("boldButton")->toolTip(), QStringLiteral("Fett (Bold)"));
        QCOMPARE(action("commentItem")->text(), QStringLiteral("Kommentar"));
        QCOMPARE(action("boldItem")->text(), QStringLiteral("Fett"));
        action("englishItem")->trigger();
        QCOMPARE(action("boldButton")->toolTip(), QStringLiteral("Bold"));
        QCOMPARE(action("superscriptButton")->toolTip(), QStringLiteral("Superscript"));
        QCOMPARE(action("commentItem")->text(), QStringLiteral("Comment"));
        QCOMPARE(action("heading6Item")->text(), QStringLiteral("h6"));
        QCOMPARE(action("horizontalLineItem")->text(), QStringLiteral("Horizontal line"));
    }
};

QTEST_MAIN(WrapActionsTest)
#include "wrap_actions_test.moc"
