#include "features/files_replace/files_dialog.h"
#include "file_bytes.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class FilesDialogTest : public WindowTest {
    Q_OBJECT

private:
    static TFormFiles* dialogOf(MainWindow& window) { return window.findChild<TFormFiles*>(); }
    template <typename W> static W* part(TFormFiles* d, const char* name) {
        W* w = d->findChild<W*>(QLatin1String(name));
        if (!w)
            qFatal("no %s", name);
        return w;
    }
    static QStringList rows(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    QString file(const QString& name, const QByteArray& bytes) {
        const QString p = QDir(m_files.path()).filePath(name);
        if (!writeFileBytes(p, bytes))
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }
    // Opens the window from its menu item with these files to load.
    TFormFiles* open(MainWindow& window, const QStringList& files) {
        action(window, "MultiReplace1")->trigger();
        TFormFiles* d = dialogOf(window);
        d->chooseFiles = [files](const QString&) { return files; };
        part<QPushButton>(d, "BitBtn1")->click();
        return d;
    }
    static void runToEnd(TFormFiles* d) {
        QSignalSpy finished(d, &TFormFiles::runFinished);
        part<QPushButton>(d, "BitBtn3")->click();
        if (d->isRunning())
            QVERIFY(finished.wait(10000));
    }
    static void replaceMode(TFormFiles* d, const QString& search, const QString& replacement) {
        part<QLineEdit>(d, "EditSearch")->setText(search);
        part<QLineEdit>(d, "EditReplace")->setText(replacement);
        part<QCheckBox>(d, "CheckBoxSearch")->setChecked(false);
        part<QCheckBox>(d, "CheckBoxAll")->setChecked(true);
    }

    QTemporaryDir m_files;

private slots:
    void initTestCase() { QVERIFY(m_home.isValid() && m_files.isValid()); }

    void opensModelessWithTheDocumentsFolderInBothLanguages() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        action(window, "germanItem")->trigger();
        QAction* item = action(window, "MultiReplace1");
        QCOMPARE(item->text(), QStringLiteral("Multi Suchen/Ersetzen..."));
        QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+M")));
        // In the edit menu, after the single-document replace when that is there.
        const QList<QAction*> items = window.actions().editMenu->actions();
        QVERIFY(items.contains(item));
        if (QAction* replace = action(window, "replaceItem"))
            QCOMPARE(items[items.indexOf(item) - 1], replace);
        QVERIFY(window.document().loadDocument(file(QStringLiteral("main.html"), "x")));

        QString askedFolder = QStringLiteral("<not asked>");
        item->trigger();
        TFormFiles* d = dialogOf(window);
        QVERIFY(d->isVisible());
        QVERIFY(!d->isModal());
        QCOMPARE(d->CurDir, m_files.path());
        QCOMPARE(d->windowTitle(), QStringLiteral("Suchen/Ersetzen"));
        QCOMPARE(part<QPushButton>(d, "BitBtn4")->toolTip(),
                 QStringLiteral("Alle Einstellungen zurücksetzen "));
        QVERIFY(part<QCheckBox>(d, "CheckBoxSearch")->isChecked());
        d->chooseFiles = [&askedFolder](const QString& folder) {
            askedFolder = folder;
            return QStringList();
        };
        part<QPushButton>(d, "BitBtn1")->click();
        QCOMPARE(askedFolder, m_files.path());

        action(window, "englishItem")->trigger();
        QCOMPARE(item->text(), QStringLiteral("Multi Search/Replace..."));
        QCOMPARE(part<QPushButton>(d, "BitBtn1")->text(), QStringLiteral("Load files"));
        QCOMPARE(part<QToolButton>(d, "BtnBackToSearch")->toolTip(),
                 QStringLiteral("Set files back to search list"));

        part<QPushButton>(d, "BitBtn2")->click();
        QVERIFY(!d->isVisible());
        QVERIFY(d->CurDir.isEmpty());
        prompter.clearMessages();
        part<QPushButton>(d, "BitBtn3")->click();
        QCOMPARE(prompter.messages(), (QStringList{"Please load files to start operation.",
                                                   "Please enter a search string."}));
    }

    void searchFillsTheListsAndCountersAndShowFileOpensTheFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString a = file(QStringLiteral("a.html"), "x word y");
        const QString b = file(QStringLiteral("b.html"), "nothing");
        const QString c = file(QStringLiteral("c.html"), "word  word");
        TFormFiles* d = open(window, {a, b, c});
        QCOMPARE(rows(part<QListWidget>(d, "ListBoxSearch")),
                 (QStringList{"a.html", "b.html", "c.html"}));
        QCOMPARE(part<QLineEdit>(d, "Edit1")->text(), QStringLiteral("3"));

        part<QLineEdit>(d, "EditSearch")->setText(QStringLiteral("WORD"));
        part<QCheckBox>(d, "CheckBoxAll")->setChecked(true);
        runToEnd(d);
        QCOMPARE(rows(part<QListWidget>(d, "ListBoxResult")), (QStringList{"a.html", "c.html"}));
        QCOMPARE(rows(part<QListWidget>(d, "ListBoxSearch")), QStringList{"b.html"});
        QCOMPARE(part<QLineEdit>(d, "Edit1")->text(), QStringLiteral("1"));
        QCOMPARE(part<QLineEdit>(d, "Edit2")->text(), QStringLiteral("2"));
        QCOMPARE(part<QLineEdit>(d, "EditTreffer")->text(), QStringLiteral("3"));
        QCOMPARE(part<QProgressBar>(d, "ProgressBar1")->value(), 3);
        QCOMPARE(readFileBytes(c), QByteArray("word  word"));

        // The open button comes alive with a click in its list; a double click opens at once.
        auto* results = part<QListWidget>(d, "ListBoxResult");
        QVERIFY(!part<QPushButton>(d, "ButtonResultOpen")->isEnabled());
        results->setCurrentRow(1);
        QVERIFY(part<QPushButton>(d, "ButtonResultOpen")->isEnabled());
        part<QPushButton>(d, "ButtonResultOpen")->click();
        QCOMPARE(window.document().fileName(), c);
        QCOMPARE(window.buffer().text(), QStringLiteral("word  word"));
        emit results->itemDoubleClicked(results->item(0));
        QCOMPARE(window.document().fileName(), a);
        QVERIFY(prompter.messages().isEmpty());
    }

    void removeBackToSearchAndNew() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString a = file(QStringLiteral("a.html"), "word");
        const QString b = file(QStringLiteral("b.html"), "none");
        const QString c = file(QStringLiteral("c.html"), "none");
        TFormFiles* d = open(window, {a, b, c});
        auto* search = part<QListWidget>(d, "ListBoxSearch");
        search->item(0)->setSelected(true);
        search->item(2)->setSelected(true);
        part<QToolButton>(d, "BitBtn5")->click();
        QCOMPARE(rows(search), QStringList{"b.html"});
        QCOMPARE(d->state().fullPaths, QStringList{b});
        QCOMPARE(part<QLineEdit>(d, "Edit1")->text(), QStringLiteral("1"));

        d->chooseFiles = [&](const QString&) { return QStringList{a, b}; };
        part<QPushButton>(d, "BitBtn1")->click();
        part<QLineEdit>(d, "EditSearch")->setText(QStringLiteral("word"));
        runToEnd(d);
        part<QToolButton>(d, "BtnBackToSearch")->click();
        QCOMPARE(rows(search), (QStringList{"b.html", "a.html"}));
        QCOMPARE(part<QListWidget>(d, "ListBoxResult")->count(), 0);
        QCOMPARE(part<QLineEdit>(d, "EditTreffer")->text(), QString());

        part<QCheckBox>(d, "CheckBoxSearch")->setChecked(false);
        part<QPushButton>(d, "BitBtn4")->click();
        QCOMPARE(search->count(), 0);
        QVERIFY(d->state().fullPaths.isEmpty());
        QVERIFY(part<QLineEdit>(d, "EditSearch")->text().isEmpty());
        QVERIFY(part<QCheckBox>(d, "CheckBoxSearch")->isChecked());
    }

    void closeDuringARunStopsAfterTheCurrentFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        QTemporaryDir many;
        QStringList files;
        for (int i = 0; i < 40; ++i) {
            files
                << QDir(many.path()).filePath(QStringLiteral("f%1.html").arg(i, 2, 10, QChar('0')));
            QVERIFY(writeFileBytes(files.last(), "word"));
        }
        TFormFiles* d = open(window, files);
        d->maxFilesPerTurn = 1;
        replaceMode(d, QStringLiteral("word"), QStringLiteral("done"));
        part<QPushButton>(d, "BitBtn3")->click();
        QVERIFY(d->isRunning());
        QVERIFY(!part<QPushButton>(d, "BitBtn3")->isEnabled());
        auto* progress = part<QProgressBar>(d, "ProgressBar1");
        // One turn of the event loop at a time: a timed wait could let the whole run finish.
        QElapsedTimer waited;
        waited.start();
        while (progress->value() < 2 && waited.elapsed() < 5000)
            QCoreApplication::processEvents();
        QVERIFY(progress->value() >= 2);
        part<QPushButton>(d, "BitBtn2")->click();
        QVERIFY(!d->isRunning());
        QVERIFY(!d->isVisible());
        const int done = progress->value();
        QVERIFY(done < files.size());
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(readFileBytes(files[i]), QByteArray(i < done ? "done" : "word"));
        QCOMPARE(part<QLineEdit>(d, "EditTreffer")->text(), QString::number(done));
    }

    void replaceRunOffersUnsavedWorkAndReloadsOnlyItsOwnFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString page = file(QStringLiteral("page.html"), "old word");
        const QString other = file(QStringLiteral("other.html"), "word");
        QVERIFY(window.document().loadDocument(page));
        window.buffer().setText(QStringLiteral("unsaved word"));
        QVERIFY(window.buffer().isModified());
        // Reached by another spelling of the same path.
        TFormFiles* d = open(window, {m_files.path() + QStringLiteral("/./page.html"), other});
        replaceMode(d, QStringLiteral("word"), QStringLiteral("term"));
        prompter.clearMessages();

        prompter.addAnswer(QStringLiteral("cancel"));
        runToEnd(d);
        QCOMPARE(prompter.messages(), QStringList{"Save changes to: page.html"});
        QCOMPARE(readFileBytes(other), QByteArray("word"));
        QCOMPARE(window.buffer().text(), QStringLiteral("unsaved word"));

        prompter.addAnswer(QStringLiteral("yes"));
        runToEnd(d);
        QCOMPARE(readFileBytes(page), QByteArray("unsaved term"));
        QCOMPARE(window.buffer().text(), QStringLiteral("unsaved term"));
        QVERIFY(!window.buffer().isModified());

        // A run that leaves the document's file alone leaves the document alone.
        window.buffer().setText(QStringLiteral("edited again"));
        d->chooseFiles = [&](const QString&) { return QStringList{other}; };
        part<QPushButton>(d, "BitBtn1")->click();
        replaceMode(d, QStringLiteral("term"), QStringLiteral("t2"));
        runToEnd(d);
        QCOMPARE(readFileBytes(other), QByteArray("t2"));
        QCOMPARE(window.buffer().text(), QStringLiteral("edited again"));
    }

    void anUntitledDocumentIsNotReloadedAfterARun() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        QVERIFY(window.document().newWithPage(QStringLiteral("<p>draft</p>")));
        const QString a = file(QStringLiteral("u.html"), "word");
        TFormFiles* d = open(window, {a});
        replaceMode(d, QStringLiteral("word"), QStringLiteral("x"));
        prompter.clearMessages();
        runToEnd(d);
        QCOMPARE(readFileBytes(a), QByteArray("x"));
        QCOMPARE(window.buffer().text(), QStringLiteral("<p>draft</p>"));
        QVERIFY(prompter.messages().isEmpty());
    }

    void aFileThatCannotBeReadEndsTheRunWithAnErrorBox() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString a = file(QStringLiteral("r1.html"), "word");
        const QString missing = QDir(m_files.path()).filePath(QStringLiteral("gone.html"));
        const QString c = file(QStringLiteral("r3.html"), "word");
        TFormFiles* d = open(window, {a, missing, c});
        replaceMode(d, QStringLiteral("word"), QStringLiteral("x"));
        prompter.clearMessages();
        runToEnd(d);
        QCOMPARE(prompter.messages().size(), 1);
        QVERIFY(prompter.messages().first().startsWith("Cannot open file:" + missing + "\n"));
        QCOMPARE(readFileBytes(a), QByteArray("x"));
        QCOMPARE(readFileBytes(c), QByteArray("word"));
        QCOMPARE(part<QLineEdit>(d, "EditTreffer")->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(FilesDialogTest)
#include "files_dialog_test.moc"
