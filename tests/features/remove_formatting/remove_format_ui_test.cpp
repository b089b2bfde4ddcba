#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QTest>
#include <QToolBar>

class RemoveFormatUiTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void buttonCleansTheElementAndCentresTheLineThreeBelow() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList lines;
        for (int i = 0; i < 400; ++i)
            lines << QStringLiteral("line %1").arg(i);
        lines[200] = QStringLiteral("<p><b>bold</b></p>");
        window.buffer().loadText(lines.join(QStringLiteral("\r\n")));
        const int caret = int(window.buffer().text().indexOf(QStringLiteral("old</b>")));
        window.buffer().setSelStart(caret);

        QAction* button = action(window, "removeFormattingButton");
        QVERIFY(button && !button->icon().pixmap(16, 16).isNull());
        button->trigger();
        QCOMPARE(window.buffer().line(200), QStringLiteral("<p>bold</p>"));
        QCOMPARE(window.buffer().caretLine(), 204);
        QCOMPARE(window.buffer().caretColumn(), 1);
        QsciScintilla* editor = window.editor();
        const long onScreen = editor->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
        QVERIFY(onScreen > 2);
        const int middle = editor->firstVisibleLine() + int(onScreen / 2);
        QVERIFY2(qAbs(middle - 203) <= 1, qPrintable(QString::number(middle)));

        // The menu item runs the same command; the hint follows the language.
        action(window, "englishItem")->trigger();
        QCOMPARE(button->toolTip(), QStringLiteral("Remove all font formatting"));
        QCOMPARE(action(window, "removeFormattingItem")->text(),
                 QStringLiteral("Remove font formatting"));
    }
};

QTEST_MAIN(RemoveFormatUiTest)
#include "remove_format_ui_test.moc"
