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

QString parameters(QDialog& d) {
    return child<QPlainTextEdit>(d, "parametersEdit")->toPlainText();
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
            window.findChild<QAction*>(QStringLiteral("objectItem"))));
        window.buffer().loadText(QStringLiteral("<p>movie</p>"));
        window.buffer().select(3, 8);

        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Object"));
            QCOMPARE(child<QComboBox>(d, "typeCombo")->currentIndex(), -1);
            QCOMPARE(child<QComboBox>(d, "mimeTypeCombo")->count(), 53);
            QCOMPARE(child<QComboBox>(d, "mimeTypeCombo")->currentIndex(), -1);
            QVERIFY(!child<QLineEdit>(d, "useMapEdit")->isEnabled());
            click(d, "okButton");
        });
        trigger(window, "objectItem");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<p>\r\n<object width=\"300\" height=\"300\">\r\n</object>\r\n"
                                "movie</p>"));
    }

    void javaWithTypedSizeAndMimeTypeThenReopenedResets() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        whenModal([](QDialog& d) {
            retype(child<QLineEdit>(d, "widthEdit"), QStringLiteral("400"));
            retype(child<QLineEdit>(d, "heightEdit"), QStringLiteral("200"));
            choose(d, "typeCombo", QStringLiteral("Java"));
            QCOMPARE(child<QLabel>(d, "nameLabel")->text(), QStringLiteral("codetype"));
            QVERIFY(parameters(d).startsWith(
                QStringLiteral("<applet code=\"myJava.class\" width=\"400\" height=\"200\" ")));
            choose(d, "mimeTypeCombo", QStringLiteral("application/java"));
            QCOMPARE(child<QLineEdit>(d, "nameEdit")->text(), QStringLiteral("application/java"));
            click(d, "okButton");
        });
        trigger(window, "objectItem");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("\r\n<object codetype=\"application/java\" "
                                "classid=\"java:myJava.class\" width=\"400\" height=\"200\">\r\n"
                                "<applet code=\"myJava.class\" width=\"400\" height=\"200\" "
                                "alt=\"Java-Applet\">\r\n</applet>\r\n</object>\r\n"));

        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "nameLabel")->text(), QStringLiteral("name"));
            QCOMPARE(child<QComboBox>(d, "typeCombo")->currentIndex(), -1);
            QCOMPARE(child<QComboBox>(d, "mimeTypeCombo")->currentIndex(), -1);
            QCOMPARE(child<QLineEdit>(d, "nameEdit")->text(), QString());
            QCOMPARE(child<QLineEdit>(d, "widthEdit")->text(), QStringLiteral("400"));
            QCOMPARE(child<QLineEdit>(d, "heightEdit")->text(), QStringLiteral("200"));
            QCOMPARE(parameters(d), QString());
        });
        trigger(window, "objectItem");
    }

    void dataWithMapParametersAddedAndDeleted() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        whenModal([](QDialog& d) {
            choose(d, "typeCombo", QStringLiteral("Data"));
            QCOMPARE(child<QLabel>(d, "classIdLabel")->text(), QStringLiteral("data"));
            QCOMPARE(child<QLabel>(d, "codeBaseLabel")->text(), QStringLiteral("type"));
            QVERIFY(child<QLineEdit>(d, "useMapEdit")->isEnabled());
            choose(d, "mimeTypeCombo", QStringLiteral("image/png"));
            QCOMPARE(child<QLineEdit>(d, "codeBaseEdit")->text(), QStringLiteral("image/png"));
            QTest::keyClicks(child<QLineEdit>(d, "useMapEdit"), QStringLiteral("nav"));
            QTest::keyClicks(child<QLineEdit>(d, "borderEdit"), QStringLiteral("0"));

            click(d, "addParameterButton");
            QCOMPARE(parameters(d), QStringLiteral("<param name=\"src\" value=\"MyFile.txt\">\n"
                                                   "<param name=\"\" value=\"\">"));
            click(d, "clearParametersButton");
            QCOMPARE(parameters(d), QString());
            QTest::keyClicks(child<QLineEdit>(d, "parameterNameEdit"), QStringLiteral("alt"));
            QTest::keyClicks(child<QLineEdit>(d, "parameterValueEdit"), QStringLiteral("map"));
            click(d, "addParameterButton");
            QCOMPARE(child<QLineEdit>(d, "parameterNameEdit")->text(), QStringLiteral("alt"));
            click(d, "okButton");
        });
        trigger(window, "objectItem");
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
            choose(d, "typeCombo", QStringLiteral("Flash"));
            const QString flash = parameters(d);
            QVERIFY(flash.endsWith(QStringLiteral("    </embed>\n")));
            retype(child<QLineEdit>(d, "classIdEdit"), QStringLiteral("x"));
            retype(child<QLineEdit>(d, "widthEdit"), QStringLiteral("640"));
            child<QPlainTextEdit>(d, "parametersEdit")->appendPlainText(QStringLiteral("extra"));
            choose(d, "typeCombo", QStringLiteral("Flash"));
            QCOMPARE(child<QLineEdit>(d, "classIdEdit")->text(),
                     QStringLiteral("CLSID:D27CDB6E-AE6D-11cf-96B8-444553540000"));
            QCOMPARE(child<QLineEdit>(d, "widthEdit")->text(), QStringLiteral("640"));
            QVERIFY(!parameters(d).contains(QStringLiteral("extra")));
            QVERIFY(parameters(d).contains(QStringLiteral("width=\"640\" height=\"300\"")));
        });
        trigger(window, "objectItem");
        QCOMPARE(window.buffer().text(), QString());
    }

    void cancelAndEscapeInsertNothing() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("x"));
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "objectItem");
        const QString once = window.buffer().text();
        whenModal([](QDialog& d) { click(d, "cancelButton"); });
        trigger(window, "objectItem");
        whenModal([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        trigger(window, "objectItem");
        QCOMPARE(window.buffer().text(), once);
    }

    void textsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        trigger(window, "germanItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "typeLabel")->text(), QStringLiteral("Objekttyp auswählen"));
            QCOMPARE(child<QPushButton>(d, "addParameterButton")->text(),
                     QStringLiteral("Hinzufügen"));
            QCOMPARE(child<QPushButton>(d, "clearParametersButton")->text(),
                     QStringLiteral("Löschen"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
            QCOMPARE(child<QLabel>(d, "classIdLabel")->toolTip(),
                     QStringLiteral("Eindeutige ID der Objektklasse"));
            QCOMPARE(child<QLabel>(d, "parametersLabel")->toolTip(),
                     QStringLiteral("Liste Parameter"));
        });
        trigger(window, "objectItem");
        trigger(window, "englishItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "typeLabel")->text(), QStringLiteral("Select object type"));
            QCOMPARE(child<QPushButton>(d, "addParameterButton")->text(), QStringLiteral("Add"));
            QCOMPARE(child<QPushButton>(d, "clearParametersButton")->text(),
                     QStringLiteral("Delete"));
            QCOMPARE(child<QLabel>(d, "useMapLabel")->toolTip(), QStringLiteral("Image map name"));
            QCOMPARE(child<QLineEdit>(d, "borderEdit")->toolTip(), QStringLiteral("Border"));
        });
        trigger(window, "objectItem");
    }
};

QTEST_MAIN(ObjectDialogTest)
#include "object_dialog_test.moc"
