#include "foundation/messages/scripted_prompter.h"
#include "shell/main_window.h"
#include "widgets/help.h"
#include "widgets/help_window.h"
#include "window_test.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

class HelpWindowTest : public WindowTest {
    Q_OBJECT

private slots:
    void everyTopic_OpensANonEmptyPageInBothLanguages() {
        HelpWindow window;
        for (UiLanguage language : {UiLanguage::German, UiLanguage::English}) {
            for (int context : HelpWindow::contexts()) {
                window.showTopic(language, context);
                const QUrl url = HelpWindow::topicUrl(language, context);
                QCOMPARE(window.browser()->source(), url);
                QVERIFY2(window.browser()->toPlainText().trimmed().size() > 200,
                         qPrintable(url.toString()));
                QVERIFY(!window.browser()->documentTitle().isEmpty());
            }
        }
        // An unknown number shows the contents rather than an empty window.
        QCOMPARE(HelpWindow::topicUrl(UiLanguage::English, 4711),
                 HelpWindow::topicUrl(UiLanguage::English, 0));
        QVERIFY(HelpWindow::topicUrl(UiLanguage::German, 90) !=
                HelpWindow::topicUrl(UiLanguage::English, 90));
    }

    void everyLinkOfEveryPage_LeadsToAPageOfTheSameLanguage() {
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
        for (const QString& folder : {QStringLiteral(":/help/en/"), QStringLiteral(":/help/de/")}) {
            const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")});
            QVERIFY(pages.size() >= HelpWindow::contexts().size());
            for (const QString& page : pages) {
                QFile file(folder + page);
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QString html = QString::fromUtf8(file.readAll());
                auto matches = link.globalMatch(html);
                while (matches.hasNext()) {
                    const QString target = matches.next().captured(1);
                    if (target.isEmpty() || target.contains(QLatin1Char(':')))
                        continue;
                    QVERIFY2(QFile::exists(folder + target),
                             qPrintable(folder + page + QStringLiteral(" -> ") + target));
                }
            }
        }
    }

    void helpKey_OpensTheTopicInTheCallersLanguage_AndOneWindowServesAll() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        action(window, "germanItem")->trigger();
        QDialog dialog(&window);
        installHelpKey(&dialog, 150, [&window] { return window.uiLanguage(); });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        auto* help = window.findChild<HelpWindow*>();
        QVERIFY(help);
        QCOMPARE(help->browser()->source(), HelpWindow::topicUrl(UiLanguage::German, 150));
        QCOMPARE(help->language(), UiLanguage::German);

        action(window, "englishItem")->trigger();
        showHelpTopic(&window, 210, window.uiLanguage());
        QCOMPARE(window.findChildren<HelpWindow*>().size(), 1);
        QCOMPARE(help->browser()->source(), HelpWindow::topicUrl(UiLanguage::English, 210));
        QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
