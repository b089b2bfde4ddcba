#include "features/frames_objects/frames_markup.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_window.h"
#include "shell/status_panels.h"
#include "window_test.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

class FramesDialogTest : public WindowTest {
    Q_OBJECT

private:
    static void trigger(MainWindow& window, const char* name) {
        window.findChild<QAction*>(QLatin1String(name))->trigger();
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void menuHoldsFramesetAndIFrame() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        auto* frames = window.findChild<QMenu*>(QStringLiteral("framesMenu"));
        QVERIFY(frames);
        QStringList names;
        for (QAction* a : frames->actions())
            names << a->objectName();
        QCOMPARE(names, (QStringList{QStringLiteral("Frameset1"), QStringLiteral("iFrame1")}));
    }

    void defaultsOpenThePageAsUntitledModifiedDocument() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("old text"));
        window.buffer().setModified(false);

        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Frameset"));
            QVERIFY(child<QRadioButton>(d, "Frames2")->isChecked());
            QVERIFY(child<QCheckBox>(d, "Borders")->isChecked());
            QVERIFY(child<QGroupBox>(d, "GroupFrame2")->isEnabled());
            QVERIFY(!child<QGroupBox>(d, "GroupFrame3")->isEnabled());
            click(d, "okButton");
        });
        trigger(window, "Frameset1");

        FramesFields defaults;
        defaults.Sprache = UiLanguage::English;
        QCOMPARE(window.buffer().text(), BasicFrameset(defaults));
        QVERIFY(window.buffer().isModified());
        QCOMPARE(window.document().fileName(), QStringLiteral("Untitled"));
        QCOMPARE(window.statusPanels().panel(3)->text(), QStringLiteral("Untitled"));
        QVERIFY(prompter.messages().isEmpty());
    }

    void whatTheUserSetsReachesThePage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        prompter.addFile(QStringLiteral("/srv/site/pages/top frame.htm"));

        whenModal([](QDialog& d) {
            click(d, "Frames4");
            QVERIFY(child<QGroupBox>(d, "GroupFrame4")->isEnabled());
            click(d, "Borders");
            click(d, "Noresize3");
            retype(child<QLineEdit>(d, "EditWidth2"), QStringLiteral("12"));
            retype(child<QLineEdit>(d, "EditHeight4"), QString());
            retype(child<QComboBox>(d, "Scrolling1")->lineEdit(), QStringLiteral("no"));
            click(d, "BtnSource1");
            QCOMPARE(child<QLineEdit>(d, "Source1")->text(), QStringLiteral("top frame.htm"));
            click(d, "okButton");
        });
        trigger(window, "Frameset1");

        FramesFields expected;
        expected.Sprache = UiLanguage::English;
        expected.layout = FrameLayout::Four;
        expected.borders = false;
        expected.frames[2].noresize = false;
        expected.frames[1].marginWidth = QStringLiteral("12");
        expected.frames[3].marginHeight = QString();
        expected.frames[0].scrolling = QStringLiteral("no");
        expected.frames[0].source = QStringLiteral("top frame.htm");
        // Line by line, so a failure names the frame line that differs.
        QCOMPARE(window.buffer().text().split(QStringLiteral("\r\n")),
                 BasicFrameset(expected).split(QStringLiteral("\r\n")));
        QCOMPARE(prompter.lastChooserFolder, QDir::homePath());
    }

    void modifiedDocumentIsAskedAboutAndCancelKeepsIt() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("mine"));
        window.buffer().setModified(true);

        prompter.addAnswer(QStringLiteral("cancel"));
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "Frameset1");
        QCOMPARE(prompter.messages(),
                 QStringList{QStringLiteral("Save changes to: untitled.html")});
        QCOMPARE(window.buffer().text(), QStringLiteral("mine"));
        QVERIFY(window.buffer().isModified());

        prompter.addAnswer(QStringLiteral("no"));
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "Frameset1");
        QVERIFY(window.buffer().text().startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC")));
        QVERIFY(window.buffer().isModified());
    }

    void answeringYesSavesTheOldDocumentBeforeThePageReplacesIt() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("draft"));
        window.buffer().setModified(true);
        const QString saved = m_home.filePath(QStringLiteral("draft.htm"));
        prompter.addAnswer(QStringLiteral("yes"));
        prompter.addFile(saved);

        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "Frameset1");
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("draft"));
        QVERIFY(window.buffer().text().startsWith(QStringLiteral("<!DOCTYPE HTML PUBLIC")));
        QCOMPARE(window.document().fileName(), QStringLiteral("Untitled"));
        QVERIFY(window.buffer().isModified());
    }

    void cancelLeavesTheDocumentAndTheFieldsPersist() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("kept"));
        window.buffer().setModified(false);

        whenModal([](QDialog& d) {
            click(d, "Frames3");
            retype(child<QLineEdit>(d, "Source2"), QStringLiteral("menu.htm"));
            click(d, "cancelButton");
        });
        trigger(window, "Frameset1");
        QCOMPARE(window.buffer().text(), QStringLiteral("kept"));
        QVERIFY(!window.buffer().isModified());

        whenModal([](QDialog& d) {
            QVERIFY(child<QRadioButton>(d, "Frames3")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "Source2")->text(), QStringLiteral("menu.htm"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        trigger(window, "Frameset1");
        QCOMPARE(window.buffer().text(), QStringLiteral("kept"));
    }

    void sourceChooserStartsInThePagesFolderAndCancelKeepsTheField() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        const QString page = m_home.filePath(QStringLiteral("site/index.htm"));
        QDir(m_home.path()).mkpath(QStringLiteral("site"));
        QFile file(page);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<p>x</p>");
        file.close();
        QVERIFY(window.document().loadDocument(page));

        whenModal([](QDialog& d) {
            click(d, "BtnSource2");
            QCOMPARE(child<QLineEdit>(d, "Source2")->text(), QStringLiteral("Frame2.htm"));
        });
        trigger(window, "Frameset1");
        QCOMPARE(prompter.lastChooserFolder, m_home.filePath(QStringLiteral("site")));
        QCOMPARE(window.buffer().text(), QStringLiteral("<p>x</p>"));
    }

    void textsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        trigger(window, "germanItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QCheckBox>(d, "Borders")->text(), QStringLiteral("Rahmen"));
            QCOMPARE(child<QCheckBox>(d, "Borders")->toolTip(), QStringLiteral("Rahmen anzeigen"));
            QCOMPARE(child<QPushButton>(d, "BtnSource3")->text(), QStringLiteral("Quelle"));
            QCOMPARE(child<QCheckBox>(d, "Noresize1")->toolTip(),
                     QStringLiteral("Grösse kann nicht verändert werden"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
            click(d, "okButton");
        });
        trigger(window, "Frameset1");
        QVERIFY(window.buffer().text().contains(QStringLiteral(
            "<p>Wird angezeigt, wenn der Browser keine Frames darstellen kann.</p>")));

        trigger(window, "englishItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QCheckBox>(d, "Borders")->text(), QStringLiteral("Border"));
            QCOMPARE(child<QPushButton>(d, "BtnSource3")->toolTip(),
                     QStringLiteral("Url/File to be loaded into the frame"));
            QCOMPARE(child<QLineEdit>(d, "EditWidth1")->toolTip(), QStringLiteral("Margin width"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
        });
        trigger(window, "Frameset1");
    }
};

QTEST_MAIN(FramesDialogTest)
#include "frames_dialog_test.moc"
