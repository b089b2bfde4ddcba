// The journal kept beside a running window, the recovery dialog, and files changed on disk by
// another program.

#include "features/recovery/disk_watch.h"
#include "features/recovery/journal.h"
#include "features/recovery/journal_store.h"
#include "features/recovery/recovery_dialog.h"
#include "features/scratch_window/scratch_window.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "modal_dialog.h"
#include "shell/main_window.h"
#include "widgets/help_window.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>

class RecoveryWindowTest : public WindowTest {
    Q_OBJECT

private:
    QString recoveryFolder() const {
        return m_home.filePath(QStringLiteral("state/hexlume/recovery"));
    }

    // The journal of the given slot, if there is exactly one.
    std::optional<Journal> journal(const QString& slot) const {
        const QStringList names =
            QDir(recoveryFolder())
                .entryList({QStringLiteral("*.") + slot + QStringLiteral(".journal")}, QDir::Files);
        if (names.size() != 1)
            return std::nullopt;
        QFile file(QDir(recoveryFolder()).filePath(names.first()));
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return parseJournal(file.readAll());
    }
    bool hasJournal(const QString& slot) const { return journal(slot).has_value(); }

    // Another program replacing the file, as editors and version control do.
    static void rewrite(const QString& path, const QByteArray& bytes) {
        QSaveFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        QVERIFY(file.commit());
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    QString writePage(const QString& name, const QByteArray& bytes) {
        const QString path = m_home.filePath(name);
        rewrite(path, bytes);
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    // Kept while unsaved, private to its owner, gone after save, deliberate discard and a
    // clean exit; the scratch window's changed text is kept beside it.
    void journalFollowsTheUnsavedText() {
        const QString page = writePage(QStringLiteral("kept.html"), "<p>one</p>\r\n");
        {
            ScriptedPrompter prompter;
            MainWindow window(m_platform, &prompter);
            window.show();
            window.startUp({page});
            QVERIFY(!hasJournal(QStringLiteral("document")));

            // A run of typing is kept without waiting for a pause, the rest after the pause.
            QTest::keyClicks(window.editor(), QString(310, u'a'));
            QTRY_VERIFY(hasJournal(QStringLiteral("document")));
            QTRY_COMPARE_WITH_TIMEOUT(journal(QStringLiteral("document"))->text,
                                      window.buffer().text().toUtf8(), 6000);
            const Journal kept = *journal(QStringLiteral("document"));
            QCOMPARE(kept.fileName, page);
            QCOMPARE(kept.format.lineBreaks, LineBreakStyle::CrLf);
            QCOMPARE(kept.disk, window.document().diskStamp());
            QCOMPARE(QFileInfo(recoveryFolder()).permissions(),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                         QFile::WriteUser | QFile::ExeUser);
            const QStringList files =
                QDir(recoveryFolder()).entryList({QStringLiteral("*.journal")}, QDir::Files);
            QCOMPARE(QFileInfo(QDir(recoveryFolder()).filePath(files.first())).permissions(),
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

            action(window, "saveItem")->trigger();
            QVERIFY(!window.buffer().isModified());
            QTRY_VERIFY(!hasJournal(QStringLiteral("document")));

            QTest::keyClicks(window.editor(), QString(300, u'b'));
            QTRY_VERIFY(hasJournal(QStringLiteral("document")));
            prompter.addAnswer(QStringLiteral("no")); // "Save changes to: kept.html"
            prompter.addAnswer(QStringLiteral("no")); // "New HTML doc?"
            action(window, "newItem")->trigger();
            QTRY_VERIFY(!hasJournal(QStringLiteral("document")));

            action(window, "scratchWindowItem")->trigger();
            auto* scratch = window.findChild<ScratchWindow*>();
            QTest::keyClicks(scratch->textEdit(), QString(300, u's'));
            QTRY_VERIFY(hasJournal(QStringLiteral("scratch")));
            QCOMPARE(journal(QStringLiteral("scratch"))->kind, Journal::Kind::Scratch);
            QTest::keyClicks(window.editor(), QString(300, u'c'));
            QTRY_VERIFY(hasJournal(QStringLiteral("document")));
        }
        QCOMPARE(QDir(recoveryFolder()).entryList(QDir::Files), QStringList());
        QCOMPARE(contents(page), QByteArray("<p>one</p>\r\n").prepend(QByteArray(310, 'a')));
    }

    // The offer speaks the window's language, says the file changed since, opens its help
    // with F1 and leaves the journal for later with Esc; opening the file offers it again.
    void recoveryDialogOffersAJournalLeftBehind() {
        const QString page = writePage(QStringLiteral("left.html"), "<p>old</p>");
        Journal left;
        left.fileName = page;
        left.written = QDateTime::currentDateTimeUtc();
        left.disk = FileStamp::of(page);
        left.text = "<p>unsaved</p>";
        QDir().mkpath(recoveryFolder());
        const QString leftPath = recoveryFolder() + QStringLiteral("/1-gone.document.journal");
        QVERIFY(JournalStore::writeDurably(leftPath, journalHeader(left), left.text));
        rewrite(page, "<p>changed by someone else</p>");

        {
            ScriptedPrompter prompter;
            MainWindow window(m_platform, &prompter);
            window.setUiLanguage(UiLanguage::German);
            window.writeBackSettings();
        }
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        QString offer;
        QString title;
        QString help;
        whenModalOf<RecoveryDialog>([&](RecoveryDialog* dialog) {
            offer = dialog->text();
            title = dialog->windowTitle();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog, Qt::Key_F1);
            if (auto* helpWindow = window.findChild<HelpWindow*>();
                helpWindow && helpWindow->isVisible())
                help = helpWindow->browser()->source().toString();
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
        });
        window.startUp({});
        QCOMPARE(title, QStringLiteral("Ungespeicherte Änderungen"));
        QVERIFY2(offer.contains(QStringLiteral("left.html")) &&
                     offer.contains(QStringLiteral("von einem anderen Programm geändert")),
                 qPrintable(offer));
        QCOMPARE(help,
                 HelpWindow::topicUrl(UiLanguage::German, RecoveryDialog::HelpContext).toString());
        QVERIFY(QFile::exists(leftPath));
        QCOMPARE(window.buffer().text(), QString());

        whenModalOf<RecoveryDialog>(
            [](RecoveryDialog* dialog) { click(*dialog, "discardButton"); });
        QVERIFY(window.document().loadDocument(page));
        QTRY_VERIFY(!QFile::exists(leftPath));
        QCOMPARE(window.buffer().text(), QStringLiteral("<p>changed by someone else</p>"));
    }

    // Another program rewrites, replaces and deletes the open file.
    void changesOnDiskAreNoticed() {
        const QString page =
            writePage(QStringLiteral("watched.html"), "l1\r\nline 2\r\nline three\r\nl4\r\nl5");
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        window.startUp({page});
        EditorBuffer& buffer = window.buffer();
        buffer.setSelStart(QStringLiteral("l1\r\nline 2\r\nline").size()); // line 3, column 5
        buffer.setBookmark(1, 3);

        // Unchanged document: read again, caret and bookmark kept on their lines.
        rewrite(page, "L1\nLINE 2\nLINE THREE\nL4\nL5\nL6\n");
        QTRY_COMPARE(buffer.text(), QStringLiteral("L1\r\nLINE 2\r\nLINE THREE\r\nL4\r\nL5\r\nL6"));
        QCOMPARE(buffer.caretLine(), 3);
        QCOMPARE(buffer.caretColumn(), 5);
        QCOMPARE(buffer.bookmark(1), 3);
        QVERIFY(!buffer.isModified());
        QVERIFY(window.statusBar()->currentMessage().contains(QStringLiteral("watched.html")));
        QCOMPARE(window.document().format().lineBreaks, LineBreakStyle::Lf);
        // The replaced file is followed too.
        rewrite(page, "short");
        QTRY_COMPARE(buffer.text(), QStringLiteral("short"));
        QCOMPARE(buffer.bookmark(1), -1);
        QCOMPARE(buffer.caretLine(), 1);

        // Changed document: asked, and No keeps the text on screen.
        QTest::keyClicks(window.editor(), QStringLiteral("mine "));
        const QString mine = buffer.text();
        prompter.addAnswer(QStringLiteral("no"));
        rewrite(page, "theirs");
        QTRY_COMPARE(prompter.messages().size(), 1);
        QVERIFY(prompter.messages().last().contains(QStringLiteral("watched.html")));
        QCOMPARE(buffer.text(), mine);

        // Save does not replace their file without asking; No leaves it, Yes writes.
        prompter.addAnswer(QStringLiteral("no"));
        action(window, "saveItem")->trigger();
        QCOMPARE(prompter.messages().size(), 2);
        QCOMPARE(contents(page), QByteArray("theirs"));
        QVERIFY(buffer.isModified());
        prompter.addAnswer(QStringLiteral("yes"));
        action(window, "saveItem")->trigger();
        QCOMPARE(contents(page), mine.toUtf8());
        QVERIFY(!buffer.isModified());
        // Our own save is no change by another program.
        QTest::qWait(400);
        QCOMPARE(prompter.messages().size(), 3);

        // Deleted: the text stays, counted as unsaved, and the person is told.
        QVERIFY(QFile::remove(page));
        QTRY_COMPARE(prompter.messages().size(), 4);
        QVERIFY(prompter.messages().last().contains(QStringLiteral("watched.html")));
        QCOMPARE(buffer.text(), mine);
        QVERIFY(buffer.isModified());

        // A change the watcher did not report is found when the window is activated.
        window.document().loadDocument(writePage(QStringLiteral("other.html"), "one"));
        const QString other = m_home.filePath(QStringLiteral("other.html"));
        QFileSystemWatcher* watcher =
            window.findChild<DiskWatch*>()->findChild<QFileSystemWatcher*>();
        watcher->blockSignals(true);
        rewrite(other, "two");
        QTest::qWait(400);
        watcher->blockSignals(false);
        QCOMPARE(buffer.text(), QStringLiteral("one"));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activate);
        QCOMPARE(buffer.text(), QStringLiteral("two"));
    }
};

QTEST_MAIN(RecoveryWindowTest)
#include "recovery_window_test.moc"
