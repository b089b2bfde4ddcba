#include "features/tables/ins_tr_dialog.h"
#include "features/tables/table_controller.h"
#include "foundation/document/editor_buffer.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "modal_dialog.h"
#include <QTimer>

#include <functional>

namespace {

const QString Cell = QStringLiteral("<td align=\"left\" valign=\"top\">&nbsp;</td>");
const QString Table = QStringLiteral("<table>\r\n<tr><td>a</td><td>bb</td></tr>\r\n</table>");

struct Seen {
    QString title;
    QString label;
    QStringList buttons;
    bool endOfTableEnabled = true;
};

void look(TFormInsTR* d, Seen& seen) {
    seen.title = d->windowTitle();
    seen.label = d->Label1->text();
    seen.buttons = {d->BitBtn2->text(), d->BitBtn1->text(), d->BitBtn4->text(), d->BitBtn3->text()};
    seen.endOfTableEnabled = d->BitBtn4->isEnabled();
}

} // namespace

class InsTrDialogTest : public WindowTest {
    Q_OBJECT

private:
    static void caretAt(MainWindow& w, const QString& text, const QString& before) {
        w.buffer().loadText(text);
        w.buffer().setSelStart(int(text.indexOf(before)));
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void behindPutsTheCellAfterTheCurrentOne() {
        MainWindow window(m_platform);
        window.show();
        caretAt(window, Table, QStringLiteral("b</td>"));
        Seen seen;
        whenModalOf<TFormInsTR>([&](TFormInsTR* d) {
            look(d, seen);
            QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
        });
        action(window, "ToolButtonInsTD")->trigger();
        QCOMPARE(seen.title, QStringLiteral("TR/TD"));
        QCOMPARE(seen.label, QStringLiteral("Insert TR/TD ..."));
        QCOMPARE(seen.buttons,
                 (QStringList{QStringLiteral("Before current position"),
                              QStringLiteral("Behind current position"),
                              QStringLiteral("End of table"), QStringLiteral("Cancel")}));
        QVERIFY(!seen.endOfTableEnabled);
        auto* dialog = window.findChild<TFormInsTR*>();
        QVERIFY(dialog->BitBtn4->isEnabled());
        QCOMPARE(dialog->Vor, 1);

        const QString expected = QStringLiteral("<table>\r\n<tr><td>a</td><td>bb</td>") + Cell +
                                 QStringLiteral("</tr>\r\n</table>");
        QCOMPARE(window.buffer().text(), expected);
        QCOMPARE(window.buffer().selStart(), int(expected.indexOf(Cell)));
        QCOMPARE(window.buffer().selText(), QStringLiteral("<"));
    }

    void escapeCancelsAndChangesNothing() {
        MainWindow window(m_platform);
        window.show();
        caretAt(window, Table, QStringLiteral("a</td>"));
        bool cancelled = false;
        whenModalOf<TFormInsTR>([&](TFormInsTR* d) {
            QTest::keyClick(d, Qt::Key_Escape);
            cancelled = d->Abbruch;
        });
        action(window, "ToolButtonInsRow")->trigger();
        QVERIFY(cancelled);
        QCOMPARE(window.findChild<TFormInsTR*>()->Vor, -1);
        QCOMPARE(window.buffer().text(), Table);
        QCOMPARE(window.buffer().selStart(), int(Table.indexOf(QStringLiteral("a</td>"))));
        QVERIFY(!window.buffer().isModified());
    }

    void germanBeforeFromTheMenuAndSplitAsksTheSame() {
        MainWindow window(m_platform);
        window.show();
        action(window, "germanItem")->trigger();
        caretAt(window, Table, QStringLiteral("a</td>"));
        Seen seen;
        whenModalOf<TFormInsTR>([&](TFormInsTR* d) {
            look(d, seen);
            QTest::mouseClick(d->BitBtn2, Qt::LeftButton);
        });
        action(window, "InsertRow1")->trigger();
        QCOMPARE(seen.label, QStringLiteral("TR/TD einfügen..."));
        QCOMPARE(
            seen.buttons,
            (QStringList{QStringLiteral("Vor akt. Position"), QStringLiteral("Nach akt. Position"),
                         QStringLiteral("Ende Tabelle"), QStringLiteral("Abbrechen")}));
        const QString row = QStringLiteral("<tr>") + Cell + QStringLiteral("</tr>");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<table>\r\n") + row +
                     QStringLiteral("<tr><td>a</td><td>bb</td></tr>\r\n</table>"));

        // Split lowers the span, then the same question places the new cell.
        const QString wide = QStringLiteral("<tr><td colspan=\"3\">a</td></tr>");
        window.buffer().loadText(wide);
        window.buffer().select(4, int(wide.size()) - 5);
        whenModalOf<TFormInsTR>(
            [&](TFormInsTR* d) { QTest::mouseClick(d->BitBtn1, Qt::LeftButton); });
        action(window, "ToolButtonSplit")->trigger();
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<tr><td colspan=\"1\">a</td>") + Cell + QStringLiteral("</tr>"));
    }

    void deleteCellAsksAndRemembersWhatWasSelected() {
        MainWindow window(m_platform);
        window.show();
        caretAt(window, Table, QStringLiteral("a</td>"));
        QString question;
        whenModalOf<QMessageBox>([&](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        action(window, "ToolButtonDelTD")->trigger();
        QCOMPARE(question, QStringLiteral("Delete?"));
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<table>\r\n<tr><td>bb</td></tr>\r\n</table>"));
        auto* controller = window.findChild<TableController*>();
        QVERIFY(controller->CellSelected());
        QVERIFY(!controller->RowOrTableSelected());
    }
};

QTEST_MAIN(InsTrDialogTest)
#include "ins_tr_dialog_test.moc"
