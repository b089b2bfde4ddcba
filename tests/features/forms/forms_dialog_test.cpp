#include "features/forms/form_control_dialog.h"
#include "features/forms/form_markup.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

const QString TextLineDefaults =
    QStringLiteral("<br />Enter text:<br /><input name=\"input1\" type=\"text\" size=\"50\" "
                   "maxlength=\"50\" value=\"Default text\" />\r\n");

void choose(QDialog& d, const char* combo, const QString& item) {
    auto* box = child<QComboBox>(d, combo);
    const int index = box->findText(item);
    QVERIFY(index >= 0);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QString field(QDialog& d, const char* name) {
    return child<QLineEdit>(d, name)->text();
}

} // namespace

class FormsDialogTest : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void menuAndButtonsCarryIconsAndHints() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        auto* forms = window.findChild<QMenu*>(QStringLiteral("formsMenu"));
        QVERIFY(forms);
        QCOMPARE(forms->title(), QStringLiteral("Forms"));
        QVERIFY(window.actions().htmlMenu->actions().contains(forms->menuAction()));
        QStringList items;
        for (QAction* a : forms->actions())
            items << a->objectName();
        QCOMPARE(items,
                 QStringList({"insertFormItem", "insertInputBoxItem", "insertButtonItem",
                              "insertTextAreaItem", "insertRadioButtonItem", "insertCheckBoxItem",
                              "insertSelectBoxItem", "insertDropDownListItem"}));
        const char* buttons[] = {
            "insertFormButton",        "insertTextLineButton",     "insertPasswordButton",
            "insertUploadButton",      "insertHiddenFieldButton",  "insertTextAreaButton",
            "insertSelectBoxButton",   "insertDropDownListButton", "insertButtonButton",
            "insertRadioButtonButton", "insertCheckBoxButton"};
        for (const char* name : buttons) {
            QAction* a = action(window, name);
            QVERIFY2(a && window.actions().tableBar->actions().contains(a), name);
            QVERIFY2(!a->icon().isNull(), name);
            QVERIFY2(!a->toolTip().isEmpty(), name);
        }
        QVERIFY(window.actions().tableBar->isVisibleTo(&window));
        QCOMPARE(action(window, "insertPasswordButton")->toolTip(),
                 QStringLiteral("Insert input password"));
        action(window, "germanItem")->trigger();
        QCOMPARE(action(window, "insertFormButton")->toolTip(),
                 QStringLiteral("Formular einfügen"));
    }

    void textLineButtonWithDefaultsGoesInFrontOfTheSelection() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("a word"));
        window.buffer().select(2, 6);
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Input"));
            QCOMPARE(child<QComboBox>(d, "typeBox")->currentText(), QStringLiteral("text"));
            QCOMPARE(field(d, "nameEdit"), QStringLiteral("input1"));
            QCOMPARE(child<QLabel>(d, "sizeLabel")->text(), QStringLiteral("Size"));
            click(d, "okButton");
        });
        action(window, "insertTextLineButton")->trigger();
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("a ") + TextLineDefaults + QStringLiteral("word"));
        QCOMPARE(window.buffer().selLength(), 0);
        QCOMPARE(window.buffer().selStart(), 2 + int(TextLineDefaults.size()));
    }

    void typedTypeKeepsItsCapitalsAndAnUnknownOneInsertsNothing() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModal([](QDialog& d) {
            retype(child<QLineEdit>(d, "valueEdit"), QStringLiteral("Hi"));
            QLineEdit* type = child<QComboBox>(d, "typeBox")->lineEdit();
            retype(type, QStringLiteral("TEXT"));
            QTest::keyClick(type, Qt::Key_Return); // finishes the edit, then OK as default
        });
        action(window, "insertPasswordButton")->trigger();
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<br />Enter text:<br /><input name=\"password1\" type=\"TEXT\" "
                                "size=\"50\" maxlength=\"50\" value=\"Hi\" />\r\n"));

        const QString before = window.buffer().text();
        whenModal([](QDialog& d) {
            QCOMPARE(field(d, "valueEdit"), QStringLiteral("Hi")); // kept from the last use
            retype(child<QComboBox>(d, "typeBox")->lineEdit(), QStringLiteral("range"));
            click(d, "okButton");
        });
        action(window, "insertInputBoxItem")->trigger();
        QCOMPARE(window.buffer().text(), before);
    }

    void buttonEntryWritesAnImageButtonTheTypeBoxAnInputButton() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.findChild<FormControlDialog*>()->setPictureChooser(
            [] { return QStringLiteral("/home/u/pictures/go.png"); });
        whenModal([](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "typeBox")->currentText(), QStringLiteral("button"));
            QCOMPARE(field(d, "nameEdit"), QStringLiteral("button1"));
            click(d, "browseButton");
            QCOMPARE(field(d, "imageEdit"), QStringLiteral("go.png"));
            click(d, "okButton");
        });
        action(window, "insertButtonItem")->trigger();
        const QString image =
            QStringLiteral("<br /><button name=\"button1\" type=\"button\" value=\"Default text\" "
                           "onclick=\"alert('Use JavaScript');\">\r\n<img src=\"go.png\"  "
                           "alt=\"Default text\"><br />\r\n</button><br />\r\n");
        QCOMPARE(window.buffer().text(), image);

        window.findChild<FormControlDialog*>()->setPictureChooser([] { return QString(); });
        whenModal([](QDialog& d) {
            click(d, "browseButton"); // cancelled browse keeps the field
            QCOMPARE(field(d, "imageEdit"), QStringLiteral("go.png"));
            choose(d, "typeBox", QStringLiteral("button"));
            click(d, "okButton");
        });
        action(window, "insertTextLineButton")->trigger();
        QCOMPARE(window.buffer().text(),
                 image + QStringLiteral("<br /><input name=\"button1\" type=\"button\" "
                                        "value=\"Default text\" onclick=\"alert('Use "
                                        "JavaScript');\" />\r\n"));
    }

    void inputBoxAfterTextAreaOpensOnTextAreaAndCancelInsertsNothing() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("keep"));
        window.buffer().select(0, 4);
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "sizeLabel")->text(), QStringLiteral("Cols"));
            retype(child<QLineEdit>(d, "sizeEdit"), QStringLiteral("40"));
            click(d, "cancelButton");
        });
        action(window, "insertTextAreaButton")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("keep"));
        QCOMPARE(window.buffer().selLength(), 4);
        QVERIFY(!window.buffer().isModified());

        whenModal([](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "typeBox")->currentText(), QStringLiteral("textarea"));
            QCOMPARE(field(d, "sizeEdit"), QStringLiteral("40")); // typed fields stay
            QCOMPARE(field(d, "lengthEdit"), QStringLiteral("5"));
            choose(d, "typeBox", QStringLiteral("text"));
            QCOMPARE(child<QLabel>(d, "lengthLabel")->text(), QStringLiteral("MaxLength"));
            QCOMPARE(field(d, "lengthEdit"), QStringLiteral("50"));
            choose(d, "typeBox", QStringLiteral("image"));
            QCOMPARE(field(d, "nameEdit"), QStringLiteral("textarea1"));
            QCOMPARE(child<QLabel>(d, "sizeLabel")->text(), QStringLiteral("Cols"));
            QCOMPARE(child<QLabel>(d, "lengthLabel")->text(), QStringLiteral("Rows"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        action(window, "insertInputBoxItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("keep"));
    }

    void formDialogCouplesUploadAndGoesInFrontOfTheParagraph() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("<p>text</p>"));
        window.buffer().select(11, 0);
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Form"));
            QVERIFY(!child<QCheckBox>(d, "uploadCheckBox")->isChecked());
            click(d, "uploadCheckBox");
            QCOMPARE(child<QComboBox>(d, "methodBox")->currentText(), QStringLiteral("post"));
            QCOMPARE(child<QComboBox>(d, "encodingBox")->currentText(),
                     QStringLiteral("multipart/form-data"));
            click(d, "uploadCheckBox");
            QCOMPARE(child<QComboBox>(d, "methodBox")->currentText(), QStringLiteral("post"));
            QCOMPARE(child<QComboBox>(d, "encodingBox")->currentText(),
                     QStringLiteral("application/x-www-form-urlencoded"));
            click(d, "resetCheckBox");
            click(d, "inputCheckBox");
            retype(child<QLineEdit>(d, "nameEdit"), QStringLiteral("f"));
            retype(child<QLineEdit>(d, "actionEdit"), QStringLiteral("/send"));
            QTest::keyClicks(child<QLineEdit>(d, "onSubmitEdit"), QStringLiteral("return ok()"));
            click(d, "okButton");
        });
        action(window, "insertFormButton")->trigger();
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("\r\n<form name=\"f\" action=\"/send\" method=\"post\" "
                                "enctype=\"application/x-www-form-urlencoded\"   "
                                "onsubmit=\"return ok()\">\r\n<br />My New Form \r\n<br />\r\n"
                                "<br /><input type=\"submit\" value=\" Submit \" />\r\n"
                                "</form>\r\n<p>text</p>"));
    }

    void formCancelOnBlanksLeavesThemWithTheSelectionCollapsed() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("a   b"));
        window.buffer().select(4, 1);
        whenModal([](QDialog& d) { click(d, "cancelButton"); });
        action(window, "insertFormItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("a   b"));
        QCOMPARE(window.buffer().selLength(), 0);
        QCOMPARE(window.buffer().selStart(), 1);
    }

    void listsFromTheToolbarGoInAtTheSelectionStart() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("x"));
        window.buffer().select(0, 1);
        action(window, "insertSelectBoxButton")->trigger();
        action(window, "insertDropDownListButton")->trigger();
        QCOMPARE(window.buffer().text(),
                 QString(SelectBoxMarkup) + QString(DropDownListMarkup) + QStringLiteral("x"));
    }

    void dialogTextsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        action(window, "germanItem")->trigger();
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "imageLabel")->text(), QStringLiteral("Grafik Schaltfläche"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
        });
        action(window, "insertRadioButtonButton")->trigger();
        action(window, "englishItem")->trigger();
        whenModal([](QDialog& d) {
            QCOMPARE(child<QCheckBox>(d, "uploadCheckBox")->text(),
                     QStringLiteral("Insert file upload"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
        });
        action(window, "insertFormItem")->trigger();
        QCOMPARE(window.buffer().text(), QString());
    }
};

QTEST_MAIN(FormsDialogTest)
#include "forms_dialog_test.moc"
