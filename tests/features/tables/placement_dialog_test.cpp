#include "features/tables/placement_dialog.h"
#include "features/tables/table_actions.h"
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

void look(PlacementDialog* d, Seen& seen) {
    seen.title = d->windowTitle();
    seen.label = child<QLabel>(*d, "questionLabel")->text();
    for (const char* name : {"beforeButton", "behindButton", "endOfTableButton", "cancelButton"})
        seen.buttons << child<QPushButton>(*d, name)->text();
    seen.endOfTableEnabled = child<QPushButton>(*d, "endOfTableButton")->isEnabled();
}

} // namespace

class PlacementDialogTest : public WindowTest {
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
        whenModalOf<PlacementDialog>([&](PlacementDialog* d) {
            look(d, seen);
            QTest::mouseClick(child<QPushButton>(*d, "behindButton"), Qt::LeftButton);
        });
        action(window, "insertCellButton")->trigger();
        QCOMPARE(seen.title, QStringLiteral("TR/TD"));
        QCOMPARE(seen.label, QStringLiteral("Insert TR/TD ..."));
        QCOMPARE(seen.buttons,
                 (QStringList{QStringLiteral("Before current position"),
                              QStringLiteral("Behind current position"),
                              QStringLiteral("End of table"), QStringLiteral("Cancel")}));
        QVERIFY(!seen.endOfTableEnabled);
        auto* dialog = window.findChild<PlacementDialog*>();
        QVERIFY(child<QPushButton>(*dialog, "endOfTableButton")->isEnabled());
        QVERIFY(dialog->placement() == Prompter::Placement::Behind);

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
        whenModalOf<PlacementDialog>([&](PlacementDialog* d) {
            QTest::keyClick(d, Qt::Key_Escape);
            cancelled = d->wasCancelled();
        });
        action(window, "insertRowButton")->trigger();
        QVERIFY(cancelled);
        QVERIFY(window.findChild<PlacementDialog*>()->placement() == Prompter::Placement::Cancel);
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
        whenModalOf<PlacementDialog>([&](PlacementDialog* d) {
            look(d, seen);
            QTest::mouseClick(child<QPushButton>(*d, "beforeButton"), Qt::LeftButton);
        });
        action(window, "insertRowItem")->trigger();
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
        whenModalOf<PlacementDialog>([&](PlacementDialog* d) {
            QTest::mouseClick(child<QPushButton>(*d, "behindButton"), Qt::LeftButton);
        });
        action(window, "splitCellButton")->trigger();
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
        action(window, "deleteCellButton")->trigger();
        QCOMPARE(question, QStringLiteral("Delete?"));
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<table>\r\n<tr><td>bb</td></tr>\r\n</table>"));
        auto* actions = window.findChild<TableActions*>();
        QVERIFY(actions->isCellSelected());
        QVERIFY(!actions->isRowOrTableSelected());
    }
};

QTEST_MAIN(PlacementDialogTest)
#include "placement_dialog_test.moc"
