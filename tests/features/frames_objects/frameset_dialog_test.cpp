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

class FramesetDialogTest : public WindowTest {
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
        QCOMPARE(names,
                 (QStringList{QStringLiteral("framesetItem"), QStringLiteral("iFrameItem")}));
    }

    void defaultsOpenThePageAsUntitledModifiedDocument() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("old text"));
        window.buffer().setModified(false);

        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Frameset"));
            QVERIFY(child<QRadioButton>(d, "twoFramesRadio")->isChecked());
            QVERIFY(child<QCheckBox>(d, "bordersCheck")->isChecked());
            QVERIFY(child<QGroupBox>(d, "frame2Group")->isEnabled());
            QVERIFY(!child<QGroupBox>(d, "frame3Group")->isEnabled());
            click(d, "okButton");
        });
        trigger(window, "framesetItem");

        FramesFields defaults;
        defaults.language = UiLanguage::English;
        QCOMPARE(window.buffer().text(), framesetPage(defaults));
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
            click(d, "fourFramesRadio");
            QVERIFY(child<QGroupBox>(d, "frame4Group")->isEnabled());
            click(d, "bordersCheck");
            click(d, "frame3NoresizeCheck");
            retype(child<QLineEdit>(d, "frame2MarginWidthEdit"), QStringLiteral("12"));
            retype(child<QLineEdit>(d, "frame4MarginHeightEdit"), QString());
            retype(child<QComboBox>(d, "frame1ScrollingCombo")->lineEdit(), QStringLiteral("no"));
            click(d, "frame1BrowseButton");
            QCOMPARE(child<QLineEdit>(d, "frame1SourceEdit")->text(),
                     QStringLiteral("top frame.htm"));
            click(d, "okButton");
        });
        trigger(window, "framesetItem");

        FramesFields expected;
        expected.language = UiLanguage::English;
        expected.layout = FrameLayout::Four;
        expected.borders = false;
        expected.frames[2].noresize = false;
        expected.frames[1].marginWidth = QStringLiteral("12");
        expected.frames[3].marginHeight = QString();
        expected.frames[0].scrolling = QStringLiteral("no");
        expected.frames[0].source = QStringLiteral("top frame.htm");
        // Line by line, so a failure names the frame line that differs.
        QCOMPARE(window.buffer().text().split(QStringLiteral("\r\n")),
                 framesetPage(expected).split(QStringLiteral("\r\n")));
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
        trigger(window, "framesetItem");
        QCOMPARE(prompter.messages(),
                 QStringList{QStringLiteral("Save changes to: untitled.html")});
        QCOMPARE(window.buffer().text(), QStringLiteral("mine"));
        QVERIFY(window.buffer().isModified());

        prompter.addAnswer(QStringLiteral("no"));
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "framesetItem");
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
        trigger(window, "framesetItem");
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
            click(d, "threeFramesRadio");
            retype(child<QLineEdit>(d, "frame2SourceEdit"), QStringLiteral("menu.htm"));
            click(d, "cancelButton");
        });
        trigger(window, "framesetItem");
        QCOMPARE(window.buffer().text(), QStringLiteral("kept"));
        QVERIFY(!window.buffer().isModified());

        whenModal([](QDialog& d) {
            QVERIFY(child<QRadioButton>(d, "threeFramesRadio")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "frame2SourceEdit")->text(), QStringLiteral("menu.htm"));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        trigger(window, "framesetItem");
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
            click(d, "frame2BrowseButton");
            QCOMPARE(child<QLineEdit>(d, "frame2SourceEdit")->text(), QStringLiteral("Frame2.htm"));
        });
        trigger(window, "framesetItem");
        QCOMPARE(prompter.lastChooserFolder, m_home.filePath(QStringLiteral("site")));
        QCOMPARE(window.buffer().text(), QStringLiteral("<p>x</p>"));
    }

    void textsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        trigger(window, "germanItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QCheckBox>(d, "bordersCheck")->text(), QStringLiteral("Rahmen"));
            QCOMPARE(child<QCheckBox>(d, "bordersCheck")->toolTip(),
                     QStringLiteral("Rahmen anzeigen"));
            QCOMPARE(child<QPushButton>(d, "frame3BrowseButton")->text(), QStringLiteral("Quelle"));
            QCOMPARE(child<QCheckBox>(d, "frame1NoresizeCheck")->toolTip(),
                     QStringLiteral("Größe kann nicht verändert werden"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
            click(d, "okButton");
        });
        trigger(window, "framesetItem");
        QVERIFY(window.buffer().text().contains(QStringLiteral(
            "<p>Wird angezeigt, wenn der Browser keine Frames darstellen kann.</p>")));

        trigger(window, "englishItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QCheckBox>(d, "bordersCheck")->text(), QStringLiteral("Border"));
            QCOMPARE(child<QPushButton>(d, "frame3BrowseButton")->toolTip(),
                     QStringLiteral("Url/File to be loaded into the frame"));
            QCOMPARE(child<QLineEdit>(d, "frame1MarginWidthEdit")->toolTip(),
                     QStringLiteral("Margin width"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
        });
        trigger(window, "framesetItem");
    }
};

QTEST_MAIN(FramesetDialogTest)
#include "frameset_dialog_test.moc"
