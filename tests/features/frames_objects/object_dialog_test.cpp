#include "features/frames_objects/object_markup.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What a pick from the drop-down list does: the item becomes current and is announced.
void choose(QDialog& d, const char* combo, const QString& item) {
    auto* box = child<QComboBox>(d, combo);
    const int index = box->findText(item);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString memo(QDialog& d) {
    return child<QPlainTextEdit>(d, "Memo1")->toPlainText();
}

} // namespace

class ObjectDialogTest : public WindowTest {
    Q_OBJECT

private:
    static void trigger(MainWindow& window, const char* name) {
        window.findChild<QAction*>(QLatin1String(name))->trigger();
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void noTypeGivesABareObjectInFrontOfTheSelection() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QVERIFY(window.actions().htmlMenu->actions().contains(
            window.findChild<QAction*>(QStringLiteral("Object1"))));
        window.buffer().loadText(QStringLiteral("<p>movie</p>"));
        window.buffer().select(3, 8);

        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Object"));
            QCOMPARE(child<QComboBox>(d, "ComboBox1")->currentIndex(), -1);
            QCOMPARE(child<QComboBox>(d, "ComboBox2")->count(), 53);
            QCOMPARE(child<QComboBox>(d, "ComboBox2")->currentIndex(), -1);
            QVERIFY(!child<QLineEdit>(d, "EditMap")->isEnabled());
            click(d, "okButton");
        });
        trigger(window, "Object1");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<p>\r\n<object width=\"300\" height=\"300\">\r\n</object>\r\n"
                                "movie</p>"));
    }

    void javaWithTypedSizeAndMimeTypeThenReopenedResets() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        whenModal([](QDialog& d) {
            retype(child<QLineEdit>(d, "EditWidth"), QStringLiteral("400"));
            retype(child<QLineEdit>(d, "EditHeight"), QStringLiteral("200"));
            choose(d, "ComboBox1", QStringLiteral("Java"));
            QCOMPARE(child<QLabel>(d, "Label11")->text(), QStringLiteral("codetype"));
            QVERIFY(memo(d).startsWith(
                QStringLiteral("<applet code=\"myJava.class\" width=\"400\" height=\"200\" ")));
            choose(d, "ComboBox2", QStringLiteral("application/java"));
            QCOMPARE(child<QLineEdit>(d, "EditName")->text(), QStringLiteral("application/java"));
            click(d, "okButton");
        });
        trigger(window, "Object1");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("\r\n<object codetype=\"application/java\" "
                                "classid=\"java:myJava.class\" width=\"400\" height=\"200\">\r\n"
                                "<applet code=\"myJava.class\" width=\"400\" height=\"200\" "
                                "alt=\"Java-Applet\">\r\n</applet>\r\n</object>\r\n"));

        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "Label11")->text(), QStringLiteral("name"));
            QCOMPARE(child<QComboBox>(d, "ComboBox1")->currentIndex(), -1);
            QCOMPARE(child<QComboBox>(d, "ComboBox2")->currentIndex(), -1);
            QCOMPARE(child<QLineEdit>(d, "EditName")->text(), QString());
            QCOMPARE(child<QLineEdit>(d, "EditWidth")->text(), QStringLiteral("400"));
            QCOMPARE(child<QLineEdit>(d, "EditHeight")->text(), QStringLiteral("200"));
            QCOMPARE(memo(d), QString());
        });
        trigger(window, "Object1");
    }

    void dataWithMapParametersAddedAndDeleted() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        whenModal([](QDialog& d) {
            choose(d, "ComboBox1", QStringLiteral("Data"));
            QCOMPARE(child<QLabel>(d, "Label1")->text(), QStringLiteral("data"));
            QCOMPARE(child<QLabel>(d, "Label2")->text(), QStringLiteral("type"));
            QVERIFY(child<QLineEdit>(d, "EditMap")->isEnabled());
            choose(d, "ComboBox2", QStringLiteral("image/png"));
            QCOMPARE(child<QLineEdit>(d, "EditCode")->text(), QStringLiteral("image/png"));
            QTest::keyClicks(child<QLineEdit>(d, "EditMap"), QStringLiteral("nav"));
            QTest::keyClicks(child<QLineEdit>(d, "EditBorder"), QStringLiteral("0"));

            click(d, "ButtonAdd");
            QCOMPARE(memo(d), QStringLiteral("<param name=\"src\" value=\"MyFile.txt\">\n"
                                             "<param name=\"\" value=\"\">"));
            click(d, "Button1");
            QCOMPARE(memo(d), QString());
            QTest::keyClicks(child<QLineEdit>(d, "EditPName"), QStringLiteral("alt"));
            QTest::keyClicks(child<QLineEdit>(d, "EditPValue"), QStringLiteral("map"));
            click(d, "ButtonAdd");
            QCOMPARE(child<QLineEdit>(d, "EditPName")->text(), QStringLiteral("alt"));
            click(d, "okButton");
        });
        trigger(window, "Object1");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("\r\n<object data=\"MyFile.txt\" type=\"image/png\" width=\"300\" "
                                "height=\"300\" border=\"0\" usemap=\"#nav\">\r\n"
                                "<param name=\"alt\" value=\"map\">\r\n</object>\r\n"));
    }

    void choosingTheTypeAgainResetsTheFieldsButNotTheSize() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModal([](QDialog& d) {
            choose(d, "ComboBox1", QStringLiteral("Flash"));
            const QString flash = memo(d);
            QVERIFY(flash.endsWith(QStringLiteral("    </embed>\n")));
            retype(child<QLineEdit>(d, "EditClass"), QStringLiteral("x"));
            retype(child<QLineEdit>(d, "EditWidth"), QStringLiteral("640"));
            child<QPlainTextEdit>(d, "Memo1")->appendPlainText(QStringLiteral("extra"));
            choose(d, "ComboBox1", QStringLiteral("Flash"));
            QCOMPARE(child<QLineEdit>(d, "EditClass")->text(),
                     QStringLiteral("CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000"));
            QCOMPARE(child<QLineEdit>(d, "EditWidth")->text(), QStringLiteral("640"));
            QVERIFY(!memo(d).contains(QStringLiteral("extra")));
            QVERIFY(memo(d).contains(QStringLiteral("width=\"640\" height=\"300\"")));
        });
        trigger(window, "Object1");
        QCOMPARE(window.buffer().text(), QString());
    }

    void cancelAndEscapeInsertNothing() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("x"));
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "Object1");
        const QString once = window.buffer().text();
        whenModal([](QDialog& d) { click(d, "cancelButton"); });
        trigger(window, "Object1");
        whenModal([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        trigger(window, "Object1");
        QCOMPARE(window.buffer().text(), once);
    }

    void textsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        trigger(window, "germanItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "Label7")->text(), QStringLiteral("Objecttyp auswählen"));
            QCOMPARE(child<QPushButton>(d, "ButtonAdd")->text(), QStringLiteral("Hinzufügen"));
            QCOMPARE(child<QPushButton>(d, "Button1")->text(), QStringLiteral("Löschen"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
            QCOMPARE(child<QLabel>(d, "Label1")->toolTip(),
                     QStringLiteral("Eindeutige ID der Objektklasse"));
            QCOMPARE(child<QLabel>(d, "Label9")->toolTip(), QStringLiteral("Liste Parameter"));
        });
        trigger(window, "Object1");
        trigger(window, "englishItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "Label7")->text(), QStringLiteral("Select object type"));
            QCOMPARE(child<QPushButton>(d, "ButtonAdd")->text(), QStringLiteral("Add"));
            QCOMPARE(child<QPushButton>(d, "Button1")->text(), QStringLiteral("Delete"));
            QCOMPARE(child<QLabel>(d, "Label8")->toolTip(), QStringLiteral("Image map name"));
            QCOMPARE(child<QLineEdit>(d, "EditBorder")->toolTip(), QStringLiteral("Border"));
        });
        trigger(window, "Object1");
    }
};

QTEST_MAIN(ObjectDialogTest)
#include "object_dialog_test.moc"
