#include "features/files_replace/files_replace_dialog.h"
#include "file_bytes.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "window_test.h"

#include <QCheckBox>
#include <QClipboard>
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
#include <Qsci/qsciscintilla.h>

class FilesReplaceDialogTest : public WindowTest {
    Q_OBJECT

private:
    static FilesReplaceDialog* dialogOf(MainWindow& window) {
        return window.findChild<FilesReplaceDialog*>();
    }
    template <typename W> static W* part(FilesReplaceDialog* d, const char* name) {
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
    FilesReplaceDialog* open(MainWindow& window, const QStringList& files) {
        action(window, "filesReplaceItem")->trigger();
        FilesReplaceDialog* d = dialogOf(window);
        d->setFileChooser([files](const QString&) { return files; });
        part<QPushButton>(d, "loadButton")->click();
        return d;
    }
    static void runToEnd(FilesReplaceDialog* d) {
        QSignalSpy finished(d, &FilesReplaceDialog::runFinished);
        part<QPushButton>(d, "startButton")->click();
        if (d->isRunning())
            QVERIFY(finished.wait(10000));
    }
    static void replaceMode(FilesReplaceDialog* d, const QString& search,
                            const QString& replacement) {
        part<QLineEdit>(d, "searchEdit")->setText(search);
        part<QLineEdit>(d, "replaceEdit")->setText(replacement);
        part<QCheckBox>(d, "searchOnlyCheck")->setChecked(false);
        part<QCheckBox>(d, "findAllCheck")->setChecked(true);
    }

    QTemporaryDir m_files;

private slots:
    void initTestCase() { QVERIFY(m_home.isValid() && m_files.isValid()); }

    void opensModelessWithTheDocumentsFolderInBothLanguages() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        action(window, "germanItem")->trigger();
        QAction* item = action(window, "filesReplaceItem");
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
        FilesReplaceDialog* d = dialogOf(window);
        QVERIFY(d->isVisible());
        QVERIFY(!d->isModal());
        QCOMPARE(d->startFolder(), m_files.path());
        QCOMPARE(d->windowTitle(), QStringLiteral("Suchen/Ersetzen"));
        QCOMPARE(part<QPushButton>(d, "newButton")->toolTip(),
                 QStringLiteral("Alle Einstellungen zurücksetzen "));
        QVERIFY(part<QCheckBox>(d, "searchOnlyCheck")->isChecked());
        d->setFileChooser([&askedFolder](const QString& folder) {
            askedFolder = folder;
            return QStringList();
        });
        part<QPushButton>(d, "loadButton")->click();
        QCOMPARE(askedFolder, m_files.path());

        action(window, "englishItem")->trigger();
        QCOMPARE(item->text(), QStringLiteral("Multi Search/Replace..."));
        QCOMPARE(part<QPushButton>(d, "loadButton")->text(), QStringLiteral("Load files"));
        QCOMPARE(part<QToolButton>(d, "backToSearchButton")->toolTip(),
                 QStringLiteral("Set files back to search list"));

        part<QPushButton>(d, "closeButton")->click();
        QVERIFY(!d->isVisible());
        QVERIFY(d->startFolder().isEmpty());
        prompter.clearMessages();
        part<QPushButton>(d, "startButton")->click();
        QCOMPARE(prompter.messages(), (QStringList{"Please load files to start operation.",
                                                   "Please enter a search string."}));
    }

    void searchFillsTheListsAndCountersAndShowFileOpensTheFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString a = file(QStringLiteral("a.html"), "x word y");
        const QString b = file(QStringLiteral("b.html"), "nothing");
        const QString c = file(QStringLiteral("c.html"), "word  word");
        FilesReplaceDialog* d = open(window, {a, b, c});
        QCOMPARE(rows(part<QListWidget>(d, "searchList")),
                 (QStringList{"a.html", "b.html", "c.html"}));
        QCOMPARE(part<QLineEdit>(d, "searchCountEdit")->text(), QStringLiteral("3"));

        // Pasted lines: the files' lines never match across, so only the first is searched for.
        QApplication::clipboard()->setText(QStringLiteral("WORD\r\nnothing"));
        part<QLineEdit>(d, "searchEdit")->paste();
        QCOMPARE(part<QLineEdit>(d, "searchEdit")->text(), QStringLiteral("WORD"));
        part<QCheckBox>(d, "findAllCheck")->setChecked(true);
        runToEnd(d);
        QCOMPARE(rows(part<QListWidget>(d, "resultList")), (QStringList{"a.html", "c.html"}));
        QCOMPARE(rows(part<QListWidget>(d, "searchList")), QStringList{"b.html"});
        QCOMPARE(part<QLineEdit>(d, "searchCountEdit")->text(), QStringLiteral("1"));
        QCOMPARE(part<QLineEdit>(d, "resultCountEdit")->text(), QStringLiteral("2"));
        QCOMPARE(part<QLineEdit>(d, "matchCountEdit")->text(), QStringLiteral("3"));
        QCOMPARE(part<QProgressBar>(d, "progressBar")->value(), 3);
        QCOMPARE(readFileBytes(c), QByteArray("word  word"));

        // The open button comes alive with a click in its list; a double click opens at once.
        auto* results = part<QListWidget>(d, "resultList");
        QVERIFY(!part<QPushButton>(d, "showResultFileButton")->isEnabled());
        results->setCurrentRow(1);
        QVERIFY(part<QPushButton>(d, "showResultFileButton")->isEnabled());
        part<QPushButton>(d, "showResultFileButton")->click();
        QCOMPARE(window.document().fileName(), c);
        QCOMPARE(window.buffer().text(), QStringLiteral("word  word"));
        emit results->itemDoubleClicked(results->item(0));
        QCOMPARE(window.document().fileName(), a);
        QVERIFY(prompter.messages().isEmpty());
    }

    void removeBackToSearchAndNewReshapeTheLists() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString a = file(QStringLiteral("a.html"), "word");
        const QString b = file(QStringLiteral("b.html"), "none");
        const QString c = file(QStringLiteral("c.html"), "none");
        FilesReplaceDialog* d = open(window, {a, b, c});
        auto* search = part<QListWidget>(d, "searchList");
        search->item(0)->setSelected(true);
        search->item(2)->setSelected(true);
        part<QToolButton>(d, "removeButton")->click();
        QCOMPARE(rows(search), QStringList{"b.html"});
        QCOMPARE(d->state().fullPaths, QStringList{b});
        QCOMPARE(part<QLineEdit>(d, "searchCountEdit")->text(), QStringLiteral("1"));

        d->setFileChooser([&](const QString&) { return QStringList{a, b}; });
        part<QPushButton>(d, "loadButton")->click();
        part<QLineEdit>(d, "searchEdit")->setText(QStringLiteral("word"));
        runToEnd(d);
        part<QToolButton>(d, "backToSearchButton")->click();
        QCOMPARE(rows(search), (QStringList{"b.html", "a.html"}));
        QCOMPARE(part<QListWidget>(d, "resultList")->count(), 0);
        QCOMPARE(part<QLineEdit>(d, "matchCountEdit")->text(), QString());

        part<QCheckBox>(d, "searchOnlyCheck")->setChecked(false);
        part<QPushButton>(d, "newButton")->click();
        QCOMPARE(search->count(), 0);
        QVERIFY(d->state().fullPaths.isEmpty());
        QVERIFY(part<QLineEdit>(d, "searchEdit")->text().isEmpty());
        QVERIFY(part<QCheckBox>(d, "searchOnlyCheck")->isChecked());
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
        FilesReplaceDialog* d = open(window, files);
        d->setMaxFilesPerTurn(1);
        replaceMode(d, QStringLiteral("word"), QStringLiteral("done"));
        part<QPushButton>(d, "startButton")->click();
        QVERIFY(d->isRunning());
        QVERIFY(!part<QPushButton>(d, "startButton")->isEnabled());
        auto* progress = part<QProgressBar>(d, "progressBar");
        // One turn of the event loop at a time: a timed wait could let the whole run finish.
        QElapsedTimer waited;
        waited.start();
        while (progress->value() < 2 && waited.elapsed() < 5000)
            QCoreApplication::processEvents();
        QVERIFY(progress->value() >= 2);
        part<QPushButton>(d, "closeButton")->click();
        QVERIFY(!d->isRunning());
        QVERIFY(!d->isVisible());
        const int done = progress->value();
        QVERIFY(done < files.size());
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(readFileBytes(files[i]), QByteArray(i < done ? "done" : "word"));
        QCOMPARE(part<QLineEdit>(d, "matchCountEdit")->text(), QString::number(done));
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
        FilesReplaceDialog* d =
            open(window, {m_files.path() + QStringLiteral("/./page.html"), other});
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
        d->setFileChooser([&](const QString&) { return QStringList{other}; });
        part<QPushButton>(d, "loadButton")->click();
        replaceMode(d, QStringLiteral("term"), QStringLiteral("t2"));
        runToEnd(d);
        QCOMPARE(readFileBytes(other), QByteArray("t2"));
        QCOMPARE(window.buffer().text(), QStringLiteral("edited again"));
    }

    // While a run may rewrite the document's file nothing can be typed into it; Undo last
    // replace puts back the files that still hold what the run wrote; Show file asks before
    // saving the changed document.
    void theMainDocumentIsSafeDuringARunItsUndoAndShowFile() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        const QString page = file(QStringLiteral("locked.html"), "one jakarta/jakarta");
        const QString other = file(QStringLiteral("locked2.html"), "jakarta");
        const QString third = file(QStringLiteral("locked3.html"), "jakarta");
        QVERIFY(window.document().loadDocument(page));
        FilesReplaceDialog* d = open(window, {other, page, third});
        d->setMaxFilesPerTurn(1);
        replaceMode(d, QStringLiteral("jakarta"), QStringLiteral("JKT"));
        auto* undo = part<QPushButton>(d, "undoReplaceButton");
        QCOMPARE(undo->text(), QStringLiteral("Undo last replace"));
        QSignalSpy finished(d, &FilesReplaceDialog::runFinished);
        part<QPushButton>(d, "startButton")->click();
        QVERIFY(d->isRunning());
        QVERIFY(window.findChild<QsciScintilla*>()->isReadOnly());
        QVERIFY(!undo->isEnabled());
        QVERIFY(finished.wait(10000));
        QVERIFY(!window.findChild<QsciScintilla*>()->isReadOnly());
        QCOMPARE(window.buffer().text(), QStringLiteral("one JKT/JKT"));
        QCOMPARE(part<QLineEdit>(d, "matchCountEdit")->text(), QStringLiteral("4"));

        QVERIFY(writeFileBytes(third, "edited"));
        prompter.clearMessages();
        QVERIFY(undo->isEnabled());
        undo->click();
        QCOMPARE(readFileBytes(page), QByteArray("one jakarta/jakarta"));
        QCOMPARE(readFileBytes(other), QByteArray("jakarta"));
        QCOMPARE(readFileBytes(third), QByteArray("edited"));
        QCOMPARE(window.buffer().text(), QStringLiteral("one jakarta/jakarta"));
        QCOMPARE(prompter.messages().size(), 1);
        QVERIFY(prompter.messages().first().startsWith("Files put back: 2"));
        QVERIFY(prompter.messages().first().endsWith(third));
        QVERIFY(!undo->isEnabled());

        window.buffer().setText(QStringLiteral("typed"));
        prompter.clearMessages();
        prompter.addAnswer(QStringLiteral("cancel"));
        auto* results = part<QListWidget>(d, "resultList");
        emit results->itemDoubleClicked(results->item(0));
        QCOMPARE(prompter.messages(), QStringList{"Save changes to: locked.html"});
        QCOMPARE(window.document().fileName(), page);
        QCOMPARE(window.buffer().text(), QStringLiteral("typed"));
        QCOMPARE(readFileBytes(page), QByteArray("one jakarta/jakarta"));
    }

    void anUntitledDocumentIsNotReloadedAfterARun() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        QVERIFY(window.document().newWithPage(QStringLiteral("<p>draft</p>")));
        const QString a = file(QStringLiteral("u.html"), "word");
        FilesReplaceDialog* d = open(window, {a});
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
        FilesReplaceDialog* d = open(window, {a, missing, c});
        replaceMode(d, QStringLiteral("word"), QStringLiteral("x"));
        prompter.clearMessages();
        runToEnd(d);
        QCOMPARE(prompter.messages().size(), 1);
        QVERIFY(prompter.messages().first().startsWith("Cannot open file:" + missing + "\n"));
        QCOMPARE(readFileBytes(a), QByteArray("x"));
        QCOMPARE(readFileBytes(c), QByteArray("word"));
        QCOMPARE(part<QLineEdit>(d, "matchCountEdit")->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(FilesReplaceDialogTest)
#include "files_replace_dialog_test.moc"
