#include "features/frames_objects/iframe_markup.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class IFrameDialogTest : public WindowTest {
    Q_OBJECT

private:
    static void trigger(MainWindow& window, const char* name) {
        window.findChild<QAction*>(QLatin1String(name))->trigger();
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void defaultsGoInFrontOfTheSelectedText() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("a<p>sel</p>b"));
        window.buffer().select(1, 11);

        whenModal([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("iFrame"));
            click(d, "okButton");
        });
        trigger(window, "iFrame1");
        QCOMPARE(window.buffer().text(),
                 QStringLiteral("a") + MakeFrame(IFrameFields{}) + QStringLiteral("<p>sel</p>b"));
        QVERIFY(window.buffer().isModified());
    }

    void typedFieldsAndTheChosenFileReachTheElementAndPersist() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        prompter.addFile(QStringLiteral("/home/me/site/news.htm"));

        whenModal([](QDialog& d) {
            retype(child<QLineEdit>(d, "EditName"), QStringLiteral("news"));
            retype(child<QLineEdit>(d, "EditBreite"), QStringLiteral("100%"));
            retype(child<QLineEdit>(d, "EditHohe"), QStringLiteral("250"));
            click(d, "BitBtn3");
            QCOMPARE(child<QLineEdit>(d, "EditSource")->text(), QStringLiteral("news.htm"));
            click(d, "okButton");
        });
        trigger(window, "iFrame1");
        IFrameFields expected;
        expected.EditName = QStringLiteral("news");
        expected.EditBreite = QStringLiteral("100%");
        expected.EditHohe = QStringLiteral("250");
        expected.EditSource = QStringLiteral("news.htm");
        QCOMPARE(window.buffer().text(), MakeFrame(expected));

        whenModal([](QDialog& d) {
            QCOMPARE(child<QLineEdit>(d, "EditName")->text(), QStringLiteral("news"));
            QCOMPARE(child<QLineEdit>(d, "EditSource")->text(), QStringLiteral("news.htm"));
            click(d, "BitBtn3"); // chooser cancelled: the field stays
            QCOMPARE(child<QLineEdit>(d, "EditSource")->text(), QStringLiteral("news.htm"));
        });
        trigger(window, "iFrame1");
    }

    void cancelInsertsNothingEvenAfterAnEarlierOk() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "iFrame1");
        const QString once = window.buffer().text();

        whenModal([](QDialog& d) { click(d, "cancelButton"); });
        trigger(window, "iFrame1");
        whenModal([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        trigger(window, "iFrame1");
        QCOMPARE(window.buffer().text(), once);
    }

    void textsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        trigger(window, "germanItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "Label4")->text(), QStringLiteral("Quelle/URL"));
            QCOMPARE(child<QLineEdit>(d, "EditHohe")->toolTip(), QStringLiteral("Höhe angeben"));
            QCOMPARE(child<QLineEdit>(d, "EditSource")->toolTip(),
                     QStringLiteral("Datei/Url angeben, die im iFrame angezeigt werden soll"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
        });
        trigger(window, "iFrame1");
        trigger(window, "englishItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "Label4")->text(), QStringLiteral("Resource/Url"));
            QCOMPARE(child<QLineEdit>(d, "EditName")->toolTip(),
                     QStringLiteral("Name of the iframe"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
        });
        trigger(window, "iFrame1");
    }
};

QTEST_MAIN(IFrameDialogTest)
#include "iframe_dialog_test.moc"
