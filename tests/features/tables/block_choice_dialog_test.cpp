#include "features/tables/block_choice_dialog.h"
#include "features/tables/table_actions.h"
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

class BlockChoiceDialogTest : public WindowTest {
    Q_OBJECT

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
        whenModalOf<BlockChoiceDialog>([&](BlockChoiceDialog* d) {
            title = child<QGroupBox>(*d, "elementGroup")->title();
            cancel = child<QPushButton>(*d, "cancelButton")->text();
            divFirst = child<QRadioButton>(*d, "divButton")->isChecked();
            QTest::mouseClick(child<QRadioButton>(*d, "spanButton"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(*d, "okButton"), Qt::LeftButton);
        });
        action(window, "selectBlockButton")->trigger();
        QCOMPARE(title, QStringLiteral("Select"));
        QCOMPARE(cancel, QStringLiteral("Cancel"));
        QVERIFY(divFirst);
        QCOMPARE(window.buffer().selText(), QStringLiteral("<span>x<b>y</b></span>"));

        // The next opening shows SPAN still chosen; Cancel leaves the selection alone.
        bool spanKept = false;
        whenModalOf<BlockChoiceDialog>([&](BlockChoiceDialog* d) {
            spanKept = child<QRadioButton>(*d, "spanButton")->isChecked();
            QTest::mouseClick(child<QPushButton>(*d, "cancelButton"), Qt::LeftButton);
        });
        window.buffer().setSelStart(int(text.indexOf(QLatin1Char('y'))));
        action(window, "selectBlockButton")->trigger();
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
        whenModalOf<BlockChoiceDialog>([&](BlockChoiceDialog* d) {
            title = child<QGroupBox>(*d, "elementGroup")->title();
            cancel = child<QPushButton>(*d, "cancelButton")->text();
            d->setElement(BlockElement::Div);
            QTest::keyClick(d, Qt::Key_Return);
        });
        action(window, "selectBlockButton")->trigger();
        QCOMPARE(title, QStringLiteral("Auswählen"));
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
        QCOMPARE(window.buffer().selText(), QStringLiteral("<div><div>b</div>c</div>"));
        // DIV and SPAN selections are no cell, row or table for the delete commands.
        auto* actions = window.findChild<TableActions*>();
        QVERIFY(actions);
        QVERIFY(!actions->isCellSelected());
        QVERIFY(!actions->isRowOrTableSelected());
    }

    void tableToolbarHoldsTheButtonsInOrderWithIconsAndHints() {
        MainWindow window(m_platform);
        const QStringList order{
            QStringLiteral("selectCellButton"),  QStringLiteral("selectRowButton"),
            QStringLiteral("selectTableButton"), QStringLiteral("selectBlockButton"),
            QStringLiteral("selectFormButton"),  QStringLiteral("insertRowButton"),
            QStringLiteral("insertCellButton"),  QStringLiteral("deleteRowButton"),
            QStringLiteral("deleteCellButton"),  QStringLiteral("deleteTableButton"),
            QStringLiteral("mergeCellsButton"),  QStringLiteral("splitCellButton")};
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
        QCOMPARE(action(window, "mergeCellsButton")->toolTip(),
                 QStringLiteral("Select two cells TD in a row to merge them"));
        action(window, "germanItem")->trigger();
        QCOMPARE(action(window, "selectCellButton")->toolTip(),
                 QStringLiteral("Zelle TD auswählen"));
        QCOMPARE(action(window, "selectBlockButton")->toolTip(),
                 QStringLiteral("DIV/SPAN auswählen"));
        QCOMPARE(action(window, "mergeCellsItem")->text(), QStringLiteral("Zellen zusammenfügen"));
    }
};

QTEST_MAIN(BlockChoiceDialogTest)
#include "block_choice_dialog_test.moc"
