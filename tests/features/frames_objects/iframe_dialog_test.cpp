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
        trigger(window, "iFrameItem");
        QCOMPARE(window.buffer().text(), QStringLiteral("a") + iFrameElement(IFrameFields{}) +
                                             QStringLiteral("<p>sel</p>b"));
        QVERIFY(window.buffer().isModified());
    }

    void typedFieldsAndTheChosenFileReachTheElementAndPersist() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        prompter.addFile(QStringLiteral("/home/me/site/news.htm"));

        whenModal([](QDialog& d) {
            retype(child<QLineEdit>(d, "nameEdit"), QStringLiteral("news"));
            retype(child<QLineEdit>(d, "widthEdit"), QStringLiteral("100%"));
            retype(child<QLineEdit>(d, "heightEdit"), QStringLiteral("250"));
            click(d, "browseButton");
            QCOMPARE(child<QLineEdit>(d, "sourceEdit")->text(), QStringLiteral("news.htm"));
            click(d, "okButton");
        });
        trigger(window, "iFrameItem");
        IFrameFields expected;
        expected.name = QStringLiteral("news");
        expected.width = QStringLiteral("100%");
        expected.height = QStringLiteral("250");
        expected.source = QStringLiteral("news.htm");
        QCOMPARE(window.buffer().text(), iFrameElement(expected));

        whenModal([](QDialog& d) {
            QCOMPARE(child<QLineEdit>(d, "nameEdit")->text(), QStringLiteral("news"));
            QCOMPARE(child<QLineEdit>(d, "sourceEdit")->text(), QStringLiteral("news.htm"));
            click(d, "browseButton"); // chooser cancelled: the field stays
            QCOMPARE(child<QLineEdit>(d, "sourceEdit")->text(), QStringLiteral("news.htm"));
        });
        trigger(window, "iFrameItem");
    }

    void cancelInsertsNothingEvenAfterAnEarlierOk() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        whenModal([](QDialog& d) { click(d, "okButton"); });
        trigger(window, "iFrameItem");
        const QString once = window.buffer().text();

        whenModal([](QDialog& d) { click(d, "cancelButton"); });
        trigger(window, "iFrameItem");
        whenModal([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        trigger(window, "iFrameItem");
        QCOMPARE(window.buffer().text(), once);
    }

    void textsFollowTheLanguage() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        trigger(window, "germanItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "sourceLabel")->text(), QStringLiteral("Quelle/URL"));
            QCOMPARE(child<QLineEdit>(d, "heightEdit")->toolTip(), QStringLiteral("Höhe angeben"));
            QCOMPARE(child<QLineEdit>(d, "sourceEdit")->toolTip(),
                     QStringLiteral("Datei/Url angeben, die im iFrame angezeigt werden soll"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Abbrechen"));
        });
        trigger(window, "iFrameItem");
        trigger(window, "englishItem");
        whenModal([](QDialog& d) {
            QCOMPARE(child<QLabel>(d, "sourceLabel")->text(), QStringLiteral("Resource/Url"));
            QCOMPARE(child<QLineEdit>(d, "nameEdit")->toolTip(),
                     QStringLiteral("Name of the iframe"));
            QCOMPARE(child<QPushButton>(d, "cancelButton")->text(), QStringLiteral("Cancel"));
        });
        trigger(window, "iFrameItem");
    }
};

QTEST_MAIN(IFrameDialogTest)
#include "iframe_dialog_test.moc"
