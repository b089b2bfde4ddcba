#include "features/forms/form_markup.h"
#include "features/forms/input_dialog.h"
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
        auto* forms = window.findChild<QMenu*>(QStringLiteral("Forms1"));
        QVERIFY(forms);
        QCOMPARE(forms->title(), QStringLiteral("Forms..."));
        QVERIFY(window.actions().htmlMenu->actions().contains(forms->menuAction()));
        QStringList items;
        for (QAction* a : forms->actions())
            items << a->objectName();
        QCOMPARE(items, QStringList({"Form1", "Inputbox1", "Button1", "Textarea1", "Radiobutton1",
                                     "CheckBox1", "Selectbox1", "Dropdownlist1"}));
        const char* buttons[] = {"ToolButtonForm",   "ToolButtonInput",    "ToolButtonPassword",
                                 "ToolButtonUpload", "ToolButtonHidden",   "ToolButtonArea",
                                 "ToolButtonList",   "ToolButtonDropdown", "ToolButtonButton",
                                 "ToolButtonRadio",  "ToolButtonCheck"};
        for (const char* name : buttons) {
            QAction* a = action(window, name);
            QVERIFY2(a && window.actions().tableBar->actions().contains(a), name);
            QVERIFY2(!a->icon().isNull(), name);
            QVERIFY2(!a->toolTip().isEmpty(), name);
        }
        QVERIFY(window.actions().tableBar->isVisibleTo(&window));
        QCOMPARE(action(window, "ToolButtonPassword")->toolTip(),
                 QStringLiteral("Insert input password"));
        action(window, "germanItem")->trigger();
        QCOMPARE(action(window, "ToolButtonForm")->toolTip(), QStringLiteral("Formular einfügen"));
    }

    void textLineButtonWithDefaultsGoesInFrontOfTheSelection() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("a word"));
        window.buffer().select(2, 6);
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Input"));
            QCOMPARE(child<QComboBox>(d, "ComboBoxType")->currentText(), QStringLiteral("text"));
            QCOMPARE(field(d, "EditName"), QStringLiteral("input1"));
            QCOMPARE(child<QLabel>(d, "LabelSize")->text(), QStringLiteral("Size"));
            click(d, "BitBtn2");
        });
        action(window, "ToolButtonInput")->trigger();
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
            retype(child<QLineEdit>(d, "EditValue"), QStringLiteral("Hi"));
            QLineEdit* type = child<QComboBox>(d, "ComboBoxType")->lineEdit();
            retype(type, QStringLiteral("TEXT"));
            QTest::keyClick(type, Qt::Key_Return); // finishes the edit, then OK as default
        });
        action(window, "ToolButtonPassword")->trigger();
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("<br />Enter text:<br /><input name=\"password1\" type=\"TEXT\" "
                                "size=\"50\" maxlength=\"50\" value=\"Hi\" />\r\n"));

        const QString before = window.buffer().text();
        whenModal([](QDialog& d) {
            QCOMPARE(field(d, "EditValue"), QStringLiteral("Hi")); // kept from the last use
            retype(child<QComboBox>(d, "ComboBoxType")->lineEdit(), QStringLiteral("range"));
            click(d, "BitBtn2");
        });
        action(window, "Inputbox1")->trigger();
        QCOMPARE(window.buffer().text(), before);
    }

    void buttonEntryWritesAnImageButtonTheTypeBoxAnInputButton() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.findChild<TFormInput*>()->choosePicture = [] {
            return QStringLiteral("/home/u/pictures/go.png");
        };
        whenModal([](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "ComboBoxType")->currentText(), QStringLiteral("button"));
            QCOMPARE(field(d, "EditName"), QStringLiteral("button1"));
            click(d, "BitBtn1");
            QCOMPARE(field(d, "EditImage"), QStringLiteral("go.png"));
            click(d, "BitBtn2");
        });
        action(window, "Button1")->trigger();
        const QString image =
            QStringLiteral("<br /><button name=\"button1\" type=\"button\" value=\"Default text\" "
                           "onclick=\"alert('Use JavaScript');\">\r\n<img src=\"go.png\"  "
                           "alt=\"Default text\"><br />\r\n</button><br />\r\n");
        QCOMPARE(window.buffer().text(), image);

        window.findChild<TFormInput*>()->choosePicture = [] { return QString(); };
        whenModal([](QDialog& d) {
            click(d, "BitBtn1"); // cancelled browse keeps the field
            QCOMPARE(field(d, "EditImage"), QStringLiteral("go.png"));
            choose(d, "ComboBoxType", QStringLiteral("button"));
            click(d, "BitBtn2");
        });
        action(window, "ToolButtonInput")->trigger();
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
            QCOMPARE(child<QLabel>(d, "LabelSize")->text(), QStringLiteral("Cols"));
            retype(child<QLineEdit>(d, "EditSize"), QStringLiteral("40"));
            click(d, "BitBtn3");
        });
        action(window, "ToolButtonArea")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("keep"));
        QCOMPARE(window.buffer().selLength(), 4);
        QVERIFY(!window.buffer().isModified());

        whenModal([](QDialog& d) {
            QCOMPARE(child<QComboBox>(d, "ComboBoxType")->currentText(),
                     QStringLiteral("textarea"));
            QCOMPARE(field(d, "EditSize"), QStringLiteral("40")); // typed fields stay
            QCOMPARE(field(d, "EditLength"), QStringLiteral("5"));
            choose(d, "ComboBoxType", QStringLiteral("text"));
            QCOMPARE(child<QLabel>(d, "LabelLength")->text(), QStringLiteral("MaxLength"));
            QCOMPARE(field(d, "EditLength"), QStringLiteral("50"));
            choose(d, "ComboBoxType", QStringLiteral("image"));
            QCOMPARE(field(d, "EditName"), QStringLiteral("textarea1"));
            QCOMPARE(child<QLabel>(d, "LabelSize")->text(), QStringLiteral("Cols"));
            QCOMPARE(child<QLabel>(d, "LabelLength")->text(), QStringLiteral("Rows"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        action(window, "Inputbox1")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("keep"));
    }

    void formDialogCouplesUploadAndGoesInFrontOfTheParagraph() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("<p>text</p>"));
        window.buffer().select(11, 0);
        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Forms"));
            QVERIFY(!child<QCheckBox>(d, "CheckUpload")->isChecked());
            click(d, "CheckUpload");
            QCOMPARE(child<QComboBox>(d, "Method")->currentText(), QStringLiteral("post"));
            QCOMPARE(child<QComboBox>(d, "EncType")->currentText(),
                     QStringLiteral("multipart/form-data"));
            click(d, "CheckUpload");
            QCOMPARE(child<QComboBox>(d, "Method")->currentText(), QStringLiteral("post"));
            QCOMPARE(child<QComboBox>(d, "EncType")->currentText(),
                     QStringLiteral("application/x-www-form-urlencoded"));
            click(d, "CheckReset");
            click(d, "CheckInput");
            retype(child<QLineEdit>(d, "EditName"), QStringLiteral("f"));
            retype(child<QLineEdit>(d, "EditAction"), QStringLiteral("/send"));
            QTest::keyClicks(child<QLineEdit>(d, "EditSubmit"), QStringLiteral("return ok()"));
            click(d, "okButton");
        });
        action(window, "ToolButtonForm")->trigger();
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
        action(window, "Form1")->trigger();
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
        action(window, "ToolButtonList")->trigger();
        action(window, "ToolButtonDropdown")->trigger();
        QCOMPARE(window.buffer().text(),
                 QString(SelectboxMarkup) + QString(DropdownListMarkup) + QStringLiteral("x"));
    }

    void dialogTextsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        action(window, "germanItem")->trigger();
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "LabelImage")->text(), QStringLiteral("Grafik Schaltfläche"));
            QCOMPARE(child<QPushButton>(d, "BitBtn3")->text(), QStringLiteral("Abbrechen"));
        });
        action(window, "ToolButtonRadio")->trigger();
        action(window, "englishItem")->trigger();
        whenModal([](QDialog& d) {
            QCOMPARE(child<QCheckBox>(d, "CheckUpload")->text(),
                     QStringLiteral("Insert file upload"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
        });
        action(window, "Form1")->trigger();
        QCOMPARE(window.buffer().text(), QString());
    }
};

QTEST_MAIN(FormsDialogTest)
#include "forms_dialog_test.moc"
