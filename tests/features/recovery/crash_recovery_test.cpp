// The real editor is typed into, killed with SIGKILL once its journal holds the text, and the
// next start recovers exactly what was typed.

#include "features/recovery/journal.h"
#include "features/recovery/recovery_dialog.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

class CrashRecoveryTest : public WindowTest {
    Q_OBJECT

private:
    QString recoveryFolder() const {
        return m_home.filePath(QStringLiteral("state/hexlume/recovery"));
    }

    // The text of the one journal in the folder, or null.
    QByteArray journalText() const {
        const QStringList names =
            QDir(recoveryFolder()).entryList({QStringLiteral("*.journal")}, QDir::Files);
        if (names.size() != 1)
            return QByteArray();
        QFile file(QDir(recoveryFolder()).filePath(names.first()));
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray();
        const std::optional<Journal> journal = parseJournal(file.readAll());
        return journal ? journal->text : QByteArray();
    }

    void chooseLanguage(UiLanguage language) {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.setUiLanguage(language);
        window.writeBackSettings();
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void typedTextSurvivesSigkill_data() {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saysKept");
        // A long run is kept without waiting for a pause; a short one after the pause.
        QTest::newRow("titled, German, long run")
            << true << UiLanguage::German << QString(320, u'w') + QStringLiteral("Äß€ ende")
            << QStringLiteral("gesichert");
        QTest::newRow("untitled, English, short then pause")
            << false << UiLanguage::English << QStringLiteral("kept\nsafe & sound")
            << QStringLiteral("untitled document");
        QTest::newRow("untitled, German, long run")
            << false << UiLanguage::German << QString(300, u'u') + QStringLiteral("\nzwei")
            << QStringLiteral("unbenanntes Dokument");
        QTest::newRow("titled, English, long run")
            << true << UiLanguage::English << QStringLiteral("first\n") + QString(300, u'e')
            << QStringLiteral("changes to ");
    }

    void typedTextSurvivesSigkill() {
        QFETCH(bool, titled);
        QFETCH(UiLanguage, language);
        QFETCH(QString, typed);
        QFETCH(QString, saysKept);
        chooseLanguage(language);
        const QString page = m_home.filePath(QStringLiteral("page.html"));
        QFile::remove(page);
        QString original;
        if (titled) {
            QFile file(page);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html>\n<body>on disk</body>\n</html>\n");
            original = QStringLiteral("<html>\r\n<body>on disk</body>\r\n</html>");
        }
        const QString expected = QString(typed).replace(u'\n', QStringLiteral("\r\n")) + original;

        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.path());
        environment.insert(QStringLiteral("XDG_STATE_HOME"),
                           m_home.filePath(QStringLiteral("state")));
        environment.insert(QStringLiteral("HEXLUME_TYPE_KEYS"), typed);
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(HEXLUME_EDITOR), titled ? QStringList{page} : QStringList{});
        QVERIFY(editor.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(journalText(), expected.toUtf8(), 30000);
        ::kill(pid_t(editor.processId()), SIGKILL);
        QVERIFY(editor.waitForFinished());
        QCOMPARE(editor.exitStatus(), QProcess::CrashExit);
        const QStringList killedEditorsJournals =
            QDir(recoveryFolder()).entryList({QStringLiteral("*.journal")}, QDir::Files);

        {
            ScriptedPrompter prompter;
            MainWindow window(m_platform, &prompter);
            window.show();
            QString offer;
            whenModalOf<RecoveryDialog>([&offer](RecoveryDialog* dialog) {
                offer = dialog->text();
                click(*dialog, "recoverButton");
            });
            window.startUp({});
            QVERIFY2(offer.contains(saysKept), qPrintable(offer));
            QCOMPARE(window.buffer().text(), expected);
            QVERIFY(window.buffer().isModified());
            QCOMPARE(window.document().fileName(),
                     titled ? page : window.document().untitledName());
            // The recovered text is kept anew by this editor before the old journal goes; until
            // then the old one alone would already hold the expected text.
            QTRY_VERIFY_WITH_TIMEOUT(!QDir(recoveryFolder())
                                          .entryList({QStringLiteral("*.journal")}, QDir::Files)
                                          .contains(killedEditorsJournals.value(0)),
                                     30000);
            QCOMPARE(journalText(), expected.toUtf8());
        }
        QCOMPARE(QDir(recoveryFolder()).entryList(QDir::Files), QStringList());
        if (titled) {
            QFile file(page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("<html>\n<body>on disk</body>\n</html>\n"));
        }
    }
};

QTEST_MAIN(CrashRecoveryTest)
#include "crash_recovery_test.moc"
