#include "features/tables/table_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

const QString DefaultTable =
    QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" >\r\n"
                   "\r\n"
                   "<tr>\r\n"
                   "<td align=\"left\" valign=\"top\" >&nbsp;</td>\r\n"
                   "</tr>\r\n"
                   "</table>\r\n");

// Runs handle on the next modal dialog of type T once it is shown, from the event loop that
// dialog's exec() runs. Gives up (and closes whatever is modal) after a few seconds so a
// missing dialog fails the test instead of hanging it.
template <typename T> void whenShown(std::function<void(T*)> handle, bool* handled) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, handle, handled, tries] {
        if (auto* d = qobject_cast<T*>(QApplication::activeModalWidget()); d && d->isVisible()) {
            timer->stop();
            timer->deleteLater();
            *handled = true;
            handle(d);
            // A failed check returns early from handle; the dialog must not stay open.
            if (d->isVisible())
                d->reject();
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            if (auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                w->reject();
        }
    });
    timer->start();
}

template <typename W> W* child(QWidget* dialog, const char* name) {
    W* w = dialog->findChild<W*>(QLatin1String(name));
    if (!w)
        qWarning("no widget %s", name);
    return w;
}

// Replaces a field's text as a user does: select all, type.
void retype(QWidget* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void click(QWidget* dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

QColor previewColour(QWidget* dialog, const char* panel) {
    return child<QFrame>(dialog, panel)->palette().color(QPalette::Window);
}

} // namespace

class TableDialogTest : public WindowTest {
    Q_OBJECT

private:
    ScriptedPrompter m_prompter;
    std::unique_ptr<MainWindow> m_window;

    QAction* action(const char* name) const {
        return m_window->findChild<QAction*>(QLatin1String(name));
    }
    EditorBuffer& buffer() const { return m_window->buffer(); }

    // Triggers the command and lets handle work the dialog; true when the dialog came up.
    bool runTable(const char* trigger, std::function<void(TableDialog*)> handle) {
        bool handled = false;
        whenShown<TableDialog>(handle, &handled);
        action(trigger)->trigger();
        return handled;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        m_window = std::make_unique<MainWindow>(m_platform, &m_prompter);
        m_window->show();
        m_window->startUp({});
        action("englishItem")->trigger();
    }

    void cleanupTestCase() { m_window.reset(); }

    void menuItemAndButtonAreInPlace() {
        QVERIFY(m_window->actions().tableMenu->actions().contains(action("newTableItem")));
        QVERIFY(m_window->actions().tableBar->actions().contains(action("newTableButton")));
        QVERIFY(!action("newTableButton")->icon().isNull());
        QCOMPARE(action("newTableButton")->toolTip(),
                 QStringLiteral("Create new table/Insert copied table"));
        QCOMPARE(action("newTableItem")->text(), QStringLiteral("Create new table"));
    }

    void defaultsInsertTheSixLines() {
        buffer().loadText(QString());
        QVERIFY(runTable("newTableItem", [](TableDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Table"));
            QVERIFY(!child<QLineEdit>(d, "colspanEdit")->isEnabled());
            QVERIFY(!child<QLineEdit>(d, "rowspanEdit")->isEnabled());
            QVERIFY(!child<QCheckBox>(d, "insertBehindCheck")->isEnabled());
            QVERIFY(child<QCheckBox>(d, "insertBehindCheck")->isChecked());
            QVERIFY(child<QLineEdit>(d, "rowsEdit")->isEnabled());
            QCOMPARE(child<QComboBox>(d, "cellAlignCombo")->currentText(), QStringLiteral("left"));
            QCOMPARE(child<QComboBox>(d, "cellValignCombo")->currentText(), QStringLiteral("top"));
            QCOMPARE(previewColour(d, "cellColourPreview"), d->palette().color(QPalette::Button));
            click(d, "okButton");
        }));
        QCOMPARE(buffer().text(), DefaultTable);
    }

    void userFillsTheDialogAndPicksACellColour() {
        buffer().loadText(QStringLiteral("keep me"));
        buffer().select(7, 5); // "me", right to left
        QVERIFY(runTable("newTableButton", [](TableDialog* d) {
            retype(child<QLineEdit>(d, "rowsEdit"), QStringLiteral("2"));
            retype(child<QLineEdit>(d, "tableWidthEdit"), QStringLiteral("50%"));
            bool picked = false;
            whenShown<QColorDialog>(
                [](QColorDialog* colours) {
                    colours->setCurrentColor(Qt::red);
                    colours->accept();
                },
                &picked);
            click(d, "cellColourButton");
            QVERIFY(picked);
            QCOMPARE(child<QLineEdit>(d, "cellColourEdit")->text(), QStringLiteral("#FF0000"));
            QCOMPARE(previewColour(d, "cellColourPreview"), QColor(Qt::red));
            click(d, "okButton");
        }));
        const QString cell = QStringLiteral(
            "<td align=\"left\" valign=\"top\" bgcolor=\"#ff0000\" >&nbsp;</td>\r\n");
        const QString row = QStringLiteral("<tr>\r\n") + cell + QStringLiteral("</tr>\r\n");
        QCOMPARE(buffer().text(),
                 QStringLiteral("keep <table width=\"50%\" cellspacing=\"0\" cellpadding=\"0\" "
                                "border=\"0\" >\r\n\r\n\r\n") +
                     row + row + QStringLiteral("</table>\r\nme"));
    }

    void fieldsPersistAndCancelInsertsNothing() {
        buffer().loadText(QStringLiteral("abc"));
        buffer().setSelStart(1);
        QVERIFY(runTable("newTableItem", [](TableDialog* d) {
            QCOMPARE(child<QLineEdit>(d, "rowsEdit")->text(), QStringLiteral("2"));
            QCOMPARE(child<QLineEdit>(d, "cellColourEdit")->text(), QStringLiteral("#FF0000"));
            // The preview is read from the field when the dialog opens.
            QCOMPARE(previewColour(d, "cellColourPreview"), QColor(Qt::red));
            QCOMPARE(previewColour(d, "tableColourPreview"), d->palette().color(QPalette::Button));
            retype(child<QLineEdit>(d, "rowsEdit"), QStringLiteral("7"));
            click(d, "cancelButton");
        }));
        QCOMPARE(buffer().text(), QStringLiteral("abc"));
        QVERIFY(!buffer().isModified());
        QVERIFY(m_window->findChild<TableDialog*>()->markup().isEmpty());
    }

    void badNumbersAreRepairedInTheDialogAndEnterIsOk() {
        buffer().loadText(QString());
        QVERIFY(runTable("newTableItem", [](TableDialog* d) {
            retype(child<QLineEdit>(d, "rowsEdit"), QStringLiteral("abc"));
            retype(child<QLineEdit>(d, "columnsEdit"), QStringLiteral("1"));
            retype(child<QLineEdit>(d, "borderEdit"), QStringLiteral("thick"));
            retype(child<QLineEdit>(d, "cellColourEdit"), QString());
            retype(child<QLineEdit>(d, "tableWidthEdit"), QString());
            QTest::keyClick(child<QLineEdit>(d, "borderEdit"), Qt::Key_Return);
        }));
        QCOMPARE(buffer().text(), DefaultTable);
        auto* d = m_window->findChild<TableDialog*>();
        QCOMPARE(child<QLineEdit>(d, "rowsEdit")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(d, "borderEdit")->text(), QStringLiteral("0"));
    }

    void typedComboTextIsUsedAndHugeCountsAreCapped() {
        buffer().loadText(QString());
        QVERIFY(runTable("newTableItem", [](TableDialog* d) {
            retype(child<QComboBox>(d, "tableAlignCombo")->lineEdit(), QStringLiteral("Center"));
            retype(child<QLineEdit>(d, "columnsEdit"), QStringLiteral("100000000"));
            click(d, "okButton");
        }));
        QVERIFY(buffer().text().startsWith(QStringLiteral(
            "<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" align=\"center\" >")));
        QCOMPARE(buffer().text().count(QStringLiteral("<td ")), MaxTableColumns);
        QCOMPARE(child<QLineEdit>(m_window->findChild<TableDialog*>(), "columnsEdit")->text(),
                 QString::number(MaxTableColumns));
    }

    void textsFollowTheUiLanguage() {
        action("germanItem")->trigger();
        buffer().loadText(QString());
        QVERIFY(runTable("newTableItem", [](TableDialog* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Tabelle"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
            QCOMPARE(child<QLineEdit>(d, "rowsEdit")->toolTip(),
                     QStringLiteral("Tabellenzeilen (TR)"));
            QCOMPARE(child<QPushButton>(d, "cellColourButton")->toolTip(),
                     QStringLiteral("Hintergrundfarbe wählen"));
            QCOMPARE(child<QCheckBox>(d, "insertBehindCheck")->text(),
                     QStringLiteral("Hinter Auswahl einfügen"));
            d->reject();
        }));
        action("englishItem")->trigger();
        QVERIFY(runTable("newTableItem", [](TableDialog* d) {
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
            QCOMPARE(child<QLineEdit>(d, "columnsEdit")->toolTip(),
                     QStringLiteral("Table data/cells (TD)"));
            QCOMPARE(child<QComboBox>(d, "tableAlignCombo")->toolTip(),
                     QStringLiteral("Alignment"));
            d->reject();
        }));
        QCOMPARE(buffer().text(), QString());
    }
};

QTEST_MAIN(TableDialogTest)
#include "table_dialog_test.moc"
