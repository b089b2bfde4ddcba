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
    bool runTable(const char* trigger, std::function<void(TFormTable*)> handle) {
        bool handled = false;
        whenShown<TFormTable>(handle, &handled);
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
        QVERIFY(m_window->actions().tableMenu->actions().contains(action("Table1")));
        QVERIFY(m_window->actions().tableBar->actions().contains(action("ToolButtonInsTable")));
        QVERIFY(!action("ToolButtonInsTable")->icon().isNull());
        QCOMPARE(action("ToolButtonInsTable")->toolTip(),
                 QStringLiteral("Create new table/Insert copied table"));
        QCOMPARE(action("Table1")->text(), QStringLiteral("Create new table"));
    }

    void defaultsInsertTheSixLines() {
        buffer().loadText(QString());
        QVERIFY(runTable("Table1", [](TFormTable* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Table"));
            QVERIFY(!child<QLineEdit>(d, "EditColspan")->isEnabled());
            QVERIFY(!child<QLineEdit>(d, "EditRowspan")->isEnabled());
            QVERIFY(!child<QCheckBox>(d, "CheckBoxBehind")->isEnabled());
            QVERIFY(child<QCheckBox>(d, "CheckBoxBehind")->isChecked());
            QVERIFY(child<QLineEdit>(d, "EditZeile")->isEnabled());
            QCOMPARE(child<QComboBox>(d, "ComboBox2")->currentText(), QStringLiteral("left"));
            QCOMPARE(child<QComboBox>(d, "ComboBox3")->currentText(), QStringLiteral("top"));
            QCOMPARE(previewColour(d, "Panel1"), d->palette().color(QPalette::Button));
            click(d, "BitBtn1");
        }));
        QCOMPARE(buffer().text(), DefaultTable);
    }

    void userFillsTheDialogAndPicksACellColour() {
        buffer().loadText(QStringLiteral("keep me"));
        buffer().select(7, 5); // "me", right to left
        QVERIFY(runTable("ToolButtonInsTable", [](TFormTable* d) {
            retype(child<QLineEdit>(d, "EditZeile"), QStringLiteral("2"));
            retype(child<QLineEdit>(d, "EditBreite"), QStringLiteral("50%"));
            bool picked = false;
            whenShown<QColorDialog>(
                [](QColorDialog* colours) {
                    colours->setCurrentColor(Qt::red);
                    colours->accept();
                },
                &picked);
            click(d, "Button1");
            QVERIFY(picked);
            QCOMPARE(child<QLineEdit>(d, "EditColor")->text(), QStringLiteral("#FF0000"));
            QCOMPARE(previewColour(d, "Panel1"), QColor(Qt::red));
            click(d, "BitBtn1");
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
        QVERIFY(runTable("Table1", [](TFormTable* d) {
            QCOMPARE(child<QLineEdit>(d, "EditZeile")->text(), QStringLiteral("2"));
            QCOMPARE(child<QLineEdit>(d, "EditColor")->text(), QStringLiteral("#FF0000"));
            // The preview is read from the field when the dialog opens.
            QCOMPARE(previewColour(d, "Panel1"), QColor(Qt::red));
            QCOMPARE(previewColour(d, "Panel2"), d->palette().color(QPalette::Button));
            retype(child<QLineEdit>(d, "EditZeile"), QStringLiteral("7"));
            click(d, "BitBtn2");
        }));
        QCOMPARE(buffer().text(), QStringLiteral("abc"));
        QVERIFY(!buffer().isModified());
        QVERIFY(m_window->findChild<TFormTable*>()->Tabelle.isEmpty());
    }

    void badNumbersAreRepairedInTheDialogAndEnterIsOk() {
        buffer().loadText(QString());
        QVERIFY(runTable("Table1", [](TFormTable* d) {
            retype(child<QLineEdit>(d, "EditZeile"), QStringLiteral("abc"));
            retype(child<QLineEdit>(d, "EditSpalte"), QStringLiteral("1"));
            retype(child<QLineEdit>(d, "EditBorder"), QStringLiteral("thick"));
            retype(child<QLineEdit>(d, "EditColor"), QString());
            retype(child<QLineEdit>(d, "EditBreite"), QString());
            QTest::keyClick(child<QLineEdit>(d, "EditBorder"), Qt::Key_Return);
        }));
        QCOMPARE(buffer().text(), DefaultTable);
        auto* d = m_window->findChild<TFormTable*>();
        QCOMPARE(child<QLineEdit>(d, "EditZeile")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(d, "EditBorder")->text(), QStringLiteral("0"));
    }

    void typedComboTextIsUsedAndHugeCountsAreCapped() {
        buffer().loadText(QString());
        QVERIFY(runTable("Table1", [](TFormTable* d) {
            retype(child<QComboBox>(d, "ComboBox1")->lineEdit(), QStringLiteral("Center"));
            retype(child<QLineEdit>(d, "EditSpalte"), QStringLiteral("100000000"));
            click(d, "BitBtn1");
        }));
        QVERIFY(buffer().text().startsWith(QStringLiteral(
            "<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" align=\"center\" >")));
        QCOMPARE(buffer().text().count(QStringLiteral("<td ")), MaxTableColumns);
        QCOMPARE(child<QLineEdit>(m_window->findChild<TFormTable*>(), "EditSpalte")->text(),
                 QString::number(MaxTableColumns));
    }

    void textsFollowTheUiLanguage() {
        action("germanItem")->trigger();
        buffer().loadText(QString());
        QVERIFY(runTable("Table1", [](TFormTable* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Tabelle"));
            QCOMPARE(child<QPushButton>(d, "BitBtn2")->text(), QStringLiteral("Abbrechen"));
            QCOMPARE(child<QLineEdit>(d, "EditZeile")->toolTip(),
                     QStringLiteral("Tabellenzeilen (TR)"));
            QCOMPARE(child<QPushButton>(d, "Button1")->toolTip(),
                     QStringLiteral("Hintergrungfarbe wählen"));
            QCOMPARE(child<QCheckBox>(d, "CheckBoxBehind")->text(),
                     QStringLiteral("Hinter Auswahl einfügen"));
            d->reject();
        }));
        action("englishItem")->trigger();
        QVERIFY(runTable("Table1", [](TFormTable* d) {
            QCOMPARE(child<QPushButton>(d, "BitBtn2")->text(), QStringLiteral("Cancel"));
            QCOMPARE(child<QLineEdit>(d, "EditSpalte")->toolTip(),
                     QStringLiteral("Table data/cells (TD)"));
            QCOMPARE(child<QComboBox>(d, "ComboBox1")->toolTip(), QStringLiteral("Ausrichtung"));
            d->reject();
        }));
        QCOMPARE(buffer().text(), QString());
    }
};

QTEST_MAIN(TableDialogTest)
#include "table_dialog_test.moc"
