#include "features/tables/block_dialog.h"
#include "features/tables/table_controller.h"
#include "foundation/document/editor_buffer.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "modal_dialog.h"

#include <functional>

class BlockDialogTest : public WindowTest {
    Q_OBJECT

private:
private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void choosingSpanSelectsTheSpanAndTheChoiceStays() {
        MainWindow window(m_platform);
        window.show();
        const QString text = QStringLiteral("<div class=\"a\"><span>x<b>y</b></span></div>");
        window.buffer().loadText(text);
        window.buffer().setSelStart(int(text.indexOf(QLatin1Char('y'))));

        QString title;
        QString cancel;
        bool divFirst = false;
        whenModalOf<TFormBlock>([&](TFormBlock* d) {
            title = d->RadioGroup1->title();
            cancel = d->BitBtn2->text();
            divFirst = d->ItemDiv->isChecked();
            QTest::mouseClick(d->ItemSpan, Qt::LeftButton);
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
        });
        action(window, "ToolButtonShowDiv")->trigger();
        QCOMPARE(title, QStringLiteral("Select"));
        QCOMPARE(cancel, QStringLiteral("Cancel"));
        QVERIFY(divFirst);
        QCOMPARE(window.buffer().selText(), QStringLiteral("<span>x<b>y</b></span>"));

        // The next opening shows SPAN still chosen; Cancel leaves the selection alone.
        bool spanKept = false;
        whenModalOf<TFormBlock>([&](TFormBlock* d) {
            spanKept = d->ItemSpan->isChecked();
            QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
        });
        window.buffer().setSelStart(int(text.indexOf(QLatin1Char('y'))));
        action(window, "ToolButtonShowDiv")->trigger();
        QVERIFY(spanKept);
        QCOMPARE(window.buffer().selLength(), 0);
        QCOMPARE(window.buffer().selStart(), int(text.indexOf(QLatin1Char('y'))));
    }

    void germanDialogSelectsTheDivWithEnter() {
        MainWindow window(m_platform);
        window.show();
        action(window, "germanItem")->trigger();
        const QString text = QStringLiteral("<p>a</p><div><div>b</div>c</div>");
        window.buffer().loadText(text);
        window.buffer().setSelStart(int(text.indexOf(QLatin1Char('c'))));

        QString title;
        QString cancel;
        whenModalOf<TFormBlock>([&](TFormBlock* d) {
            title = d->RadioGroup1->title();
            cancel = d->BitBtn2->text();
            d->setItemIndex(0);
            QTest::keyClick(d, Qt::Key_Return);
        });
        action(window, "ToolButtonShowDiv")->trigger();
        QCOMPARE(title, QStringLiteral("Auswählen"));
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
        QCOMPARE(window.buffer().selText(), QStringLiteral("<div><div>b</div>c</div>"));
        // DIV and SPAN selections are no cell, row or table for the delete commands.
        auto* controller = window.findChild<TableController*>();
        QVERIFY(controller);
        QVERIFY(!controller->CellSelected());
        QVERIFY(!controller->RowOrTableSelected());
    }

    void tableToolbarHoldsTheButtonsInOrderWithIconsAndHints() {
        MainWindow window(m_platform);
        const QStringList order{
            QStringLiteral("ToolButton8"),     QStringLiteral("ToolButton11"),
            QStringLiteral("ToolButton12"),    QStringLiteral("ToolButtonShowDiv"),
            QStringLiteral("ToolButton19"),    QStringLiteral("ToolButtonInsRow"),
            QStringLiteral("ToolButtonInsTD"), QStringLiteral("ToolButtonDelRow"),
            QStringLiteral("ToolButtonDelTD"), QStringLiteral("ToolButtonDelTable"),
            QStringLiteral("ToolButtonMerge"), QStringLiteral("ToolButtonSplit")};
        QStringList onBar;
        for (QAction* a : window.findChild<QToolBar*>(QStringLiteral("tableBar"))->actions())
            if (order.contains(a->objectName()))
                onBar << a->objectName();
        QCOMPARE(onBar, order);
        for (const QString& name : order) {
            QAction* a = window.findChild<QAction*>(name);
            QVERIFY2(!a->icon().isNull(), qPrintable(name));
            QVERIFY2(!a->toolTip().isEmpty(), qPrintable(name));
        }
        QCOMPARE(action(window, "ToolButtonMerge")->toolTip(),
                 QStringLiteral("Select two cells TD in a row to merge them"));
        action(window, "germanItem")->trigger();
        QCOMPARE(action(window, "ToolButton8")->toolTip(), QStringLiteral("Zelle TD auswählen"));
        QCOMPARE(action(window, "ToolButtonShowDiv")->toolTip(), QStringLiteral("Select DIV/SPAN"));
        QCOMPARE(action(window, "Mergecells1")->text(), QStringLiteral("Zellen zusammenfügen"));
    }
};

QTEST_MAIN(BlockDialogTest)
#include "block_dialog_test.moc"
