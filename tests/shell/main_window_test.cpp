#include "file_bytes.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "foundation/messages/status_text.h"
#include "foundation/settings/recent_files.h"
#include "shell/main_actions.h"
#include "shell/main_window.h"
#include "shell/status_panels.h"
#include "widgets/feature_context.h"
#include "widgets/menu_mnemonics.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

class MainWindowTest : public WindowTest {
    Q_OBJECT

private:
    QString dataFolder() const { return m_home.filePath(QStringLiteral("hexlume/")); }

    static QMenu* menu(MainWindow& w, const char* name) {
        return w.findChild<QMenu*>(QLatin1String(name));
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void newTypeSaveCloseReopenFromRecentFiles() {
        const QString page = m_home.filePath(QStringLiteral("my page.html"));
        {
            ScriptedPrompter prompter;
            MainWindow window(m_platform, &prompter);
            window.show();
            window.startUp({});
            QVERIFY(QDir(dataFolder()).exists());

            prompter.addAnswer(QStringLiteral("yes")); // "New HTML doc?"
            prompter.addAnswer(QStringLiteral("html5"));
            action(window, "newItem")->trigger();
            QVERIFY(window.buffer().text().startsWith(
                QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"")));
            QCOMPARE(window.statusPanels().panel(3)->text(), QStringLiteral("Untitled"));

            window.buffer().setSelStart(0);
            window.editor()->setFocus();
            QTest::keyClicks(window.editor(), QStringLiteral("Hi "));
            QVERIFY(window.buffer().text().startsWith(QStringLiteral("Hi <!DOCTYPE html>")));
            QVERIFY(window.buffer().isModified());
            QCOMPARE(window.statusPanels().panel(1)->text(), QStringLiteral("3"));

            prompter.addFile(page);
            action(window, "saveAsItem")->trigger();
            QVERIFY(!window.buffer().isModified());
            QCOMPARE(window.document().fileName(), page);
            QVERIFY(action(window, "recentFile4")->isVisible());
            QCOMPARE(action(window, "recentFile4")->text(), QStringLiteral("my page.html"));

            QTest::keyClicks(window.editor(), QStringLiteral("more"));
            prompter.clearMessages();
            prompter.addAnswer(QStringLiteral("no")); // "Save changes to: my page.html"
            QVERIFY(window.close());
            QCOMPARE(prompter.messages().size(), 1);
            QVERIFY(prompter.messages().first().endsWith(QStringLiteral(" my page.html")));
        }
        QVERIFY(QFile::exists(dataFolder() + QStringLiteral("Html.ini")));
        QVERIFY(QFile::exists(dataFolder() + QStringLiteral("files.txt")));
        QCOMPARE(QFile(dataFolder() + QStringLiteral("Html.ini")).permissions() &
                     (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());

        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        window.startUp({});
        QAction* recent = action(window, "recentFile4");
        QVERIFY(recent->isVisible());
        QCOMPARE(recent->statusTip(), page);
        QVERIFY(action(window, "clearRecentFilesItem")->isVisible());
        recent->trigger();
        QCOMPARE(window.document().fileName(), page);
        QVERIFY(window.buffer().text().startsWith(QStringLiteral("Hi <!DOCTYPE html>")));
        QVERIFY(!window.buffer().text().contains(QStringLiteral("more")));
        QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("my page.BAK"))));
        QVERIFY(prompter.messages().isEmpty());

        action(window, "clearRecentFilesItem")->trigger();
        QVERIFY(!recent->isVisible());
        QVERIFY(!action(window, "clearRecentFilesItem")->isVisible());
        QVERIFY(!QFile::exists(dataFolder() + QStringLiteral("files.txt")));
    }

    void languageSwitchRewritesCaptionsHintsAndBookmarks() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});

        action(window, "englishItem")->trigger();
        QCOMPARE(menu(window, "fileMenu")->title(), QStringLiteral("&File"));
        QCOMPARE(action(window, "newItem")->text(), QStringLiteral("New"));
        QCOMPARE(action(window, "newButton")->toolTip(), QStringLiteral("New document"));
        QCOMPARE(action(window, "setBookmark0Item")->text(), QStringLiteral("Bookmark 0"));
        QCOMPARE(action(window, "gotoBookmark9Item")->text(), QStringLiteral("Bookmark 9"));
        QCOMPARE(withoutMnemonic(menu(window, "htmlMenu")->title()), QStringLiteral("HTML"));
        QVERIFY(window.statusPanels().panel(0)->text().startsWith(QStringLiteral("Row ")));

        action(window, "germanItem")->trigger();
        QCOMPARE(menu(window, "fileMenu")->title(), QStringLiteral("&Datei"));
        QCOMPARE(action(window, "newItem")->text(), QStringLiteral("Neu"));
        QCOMPARE(action(window, "setBookmark3Item")->text(), QStringLiteral("Lesezeichen 3"));
        QCOMPARE(withoutMnemonic(menu(window, "htmlMenu")->title()), QStringLiteral("HTML"));
        QVERIFY(window.statusPanels().panel(0)->text().startsWith(QStringLiteral("Zeile: ")));
        // Qt's own buttons follow, so a German question is not answered with "Yes".
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));

        // The question on closing follows the language too.
        window.buffer().loadText(QStringLiteral("x"));
        window.buffer().setModified(true);
        action(window, "englishItem")->trigger();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        prompter.addAnswer(QStringLiteral("cancel"));
        QVERIFY(!window.close());
        QCOMPARE(prompter.messages().last(), QStringLiteral("Save changes to: untitled.html"));
        prompter.addAnswer(QStringLiteral("no"));
        QVERIFY(window.close());
    }

    // Which message line captions which control: every toolbar-hint line and menu line once,
    // the bookmark prefix excepted (its items append their digit), line 184 on the FTP button
    // and the FTP item.
    void messageLinesCaptionEachControlOnce() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        auto lines = [](std::initializer_list<std::pair<int, int>> ranges) {
            QList<int> all;
            for (const auto& [first, last] : ranges)
                for (int n = first; n <= last; ++n)
                    all << n;
            return all;
        };
        QList<int> hints = lines({{56, 75}, {85, 86}, {89, 110}, {113, 123}, {184, 184}});
        QList<int> captions = lines({{129, 138},
                                     {140, 161},
                                     {164, 168},
                                     {179, 185},
                                     {187, 188},
                                     {199, 205},
                                     {207, 208},
                                     {210, 212},
                                     {214, 214}});
        QSet<QObject*> controls[2];
        for (const CaptionBinding& binding : window.featureContext().captionBindings()) {
            QVERIFY(binding.control);
            const bool hint = binding.kind == CaptionKind::Hint;
            QVERIFY2((hint ? hints : captions).removeOne(binding.line),
                     qPrintable(QString::number(binding.line) + binding.control->objectName()));
            QVERIFY2(!controls[hint].contains(binding.control),
                     qPrintable(binding.control->objectName()));
            controls[hint].insert(binding.control);
        }
        QCOMPARE(hints, QList<int>());
        QCOMPARE(captions, QList<int>());
        window.startUp({});
        action(window, "englishItem")->trigger();
        QCOMPARE(action(window, "ftpButton")->toolTip(), QStringLiteral("FTP"));
    }

    void everyToolbarButtonHasAnIconAndAHint() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        for (QToolBar* bar : window.findChildren<QToolBar*>()) {
            for (QAction* a : bar->actions()) {
                if (a->isSeparator())
                    continue;
                QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
                QVERIFY2(!a->toolTip().isEmpty(), qPrintable(a->objectName()));
            }
        }
    }

    // On a 1280 pixel wide screen every toolbar control is in sight, none behind the chevron.
    void toolbarsFitA1280PixelWideWindow() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        // The size the window opens in on such a screen.
        window.resize(initialWindowSize(QSize(1280, 800), QSize(800, 600)));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char* language : {"englishItem", "germanItem"}) {
            action(window, language)->trigger();
            QCoreApplication::processEvents();
            for (QToolBar* bar : window.findChildren<QToolBar*>()) {
                if (!bar->isVisible())
                    continue;
                auto* chevron = bar->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"));
                QVERIFY2(!chevron || !chevron->isVisible(), qPrintable(bar->objectName()));
                QVERIFY2(bar->geometry().right() < window.width(), qPrintable(bar->objectName()));
            }
        }
    }

    // Actions of the dialogs and side windows the main window owns have shortcuts of their own.
    static bool belongsToTheMainWindow(QObject* o, QWidget* window) {
        for (QObject* p = o->parent(); p; p = p->parent()) {
            auto* w = qobject_cast<QWidget*>(p);
            if (w && w->isWindow() && !qobject_cast<QMenu*>(w))
                return w == window;
        }
        return false;
    }

    void noTwoMenuCommandsShareAShortcut() {
        // Qt runs neither command of an ambiguous shortcut.
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QHash<QString, QString> owner;
        for (QAction* a : window.findChildren<QAction*>()) {
            if (!belongsToTheMainWindow(a, &window))
                continue;
            for (const QKeySequence& keys : a->shortcuts()) {
                const QString text = keys.toString();
                const QString name = a->objectName().isEmpty() ? a->text() : a->objectName();
                if (owner.contains(text) && owner[text] != name)
                    QFAIL(qPrintable(text + " on " + owner[text] + " and " + name));
                owner.insert(text, name);
            }
        }
        QVERIFY(owner.contains(QStringLiteral("Ctrl+M")) && owner.contains(QStringLiteral("F3")));
    }

    // The title names the document and marks unsaved changes; the status bar and the recent
    // file's tooltip give the full path.
    void titleStatusAndSaveAsFollowTheDocument() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.show();
        window.startUp({});
        action(window, "germanItem")->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("Unbenannt[*] — Hexlume"));
        QCOMPARE(window.statusPanels().panel(3)->text(), QStringLiteral("Unbenannt"));
        action(window, "englishItem")->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] — Hexlume"));
        QVERIFY(!window.isWindowModified());

        window.editor()->setFocus();
        QTest::keyClicks(window.editor(), QStringLiteral("ab"));
        QTRY_VERIFY(window.isWindowModified());
        // Save As offers HTML first and gives a name without extension ".html".
        const QString chosen = m_home.filePath(QStringLiteral("plain"));
        const QString page = chosen + QStringLiteral(".html");
        prompter.addFile(chosen);
        action(window, "saveAsItem")->trigger();
        QVERIFY(prompter.lastChooserFilter.startsWith(QStringLiteral("HTML files (*.html *.htm)")));
        QVERIFY(QFile::exists(page));
        QVERIFY(!QFile::exists(chosen));
        QCOMPARE(window.document().fileName(), page);
        QTRY_VERIFY(!window.isWindowModified());
        QCOMPARE(window.windowTitle(), QStringLiteral("plain.html[*] — Hexlume"));
        QCOMPARE(window.statusPanels().panel(3)->text(), page);
        QCOMPARE(action(window, "recentFile4")->toolTip(), page);
        QVERIFY(menu(window, "fileMenu")->toolTipsVisible());

        // Undo and Redo from the menu and from the keys.
        action(window, "undoItem")->trigger();
        QCOMPARE(window.buffer().text(), QString());
        action(window, "redoItem")->trigger();
        QCOMPARE(window.buffer().text(), QStringLiteral("ab"));
        QTRY_VERIFY(!window.isWindowModified());
        for (const char* redo : {"Ctrl+Y", "Ctrl+Shift+Z"}) {
            QTest::keySequence(window.editor(), QKeySequence(QStringLiteral("Ctrl+Z")));
            QCOMPARE(window.buffer().text(), QString());
            QTRY_VERIFY(window.isWindowModified());
            QTest::keySequence(window.editor(), QKeySequence(QLatin1String(redo)));
            QCOMPARE(window.buffer().text(), QStringLiteral("ab"));
        }
        QCOMPARE(action(window, "redoItem")->shortcuts(),
                 QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+Y")),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));

        // A long command's progress bar never leaves the panels drawn over a note.
        window.buffer().setText(QString(5 << 20, QLatin1Char('a')));
        window.statusBar()->showMessage(QStringLiteral("note"));
        action(window, "upperToLowerItem")->trigger();
        QTest::qWait(50);
        QVERIFY(window.statusBar()->currentMessage().isEmpty() ||
                !window.statusPanels().panel(3)->isVisible());
    }

    void bookmarksSetGotoAndClearFromThePopup() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("a\r\nb\r\nc"));
        window.buffer().setSelStart(3); // line 2
        action(window, "setBookmark4Item")->trigger();
        QCOMPARE(window.buffer().bookmark(4), 1);
        QVERIFY(action(window, "gotoBookmark4Item")->isChecked());
        window.buffer().setSelStart(0);
        action(window, "gotoBookmark4Item")->trigger();
        QCOMPARE(window.buffer().caretLine(), 2);
        action(window, "clearBookmarksItem")->trigger();
        QCOMPARE(window.buffer().bookmark(4), -1);
        QVERIFY(!action(window, "setBookmark4Item")->isChecked());
    }

    void recentFilesOfAnEarlierVersionAreMovedOverAtStart() {
        const QString legacy = m_home.filePath(QStringLiteral("old/"));
        QVERIFY(QDir().mkpath(legacy));
        const QString page = m_home.filePath(QStringLiteral("kept.html"));
        QVERIFY(writeFileBytes(page, "<p>kept</p>"));
        RecentFiles earlier;
        earlier.add(page);
        QVERIFY(earlier.save(legacy, m_platform));
        m_platform.legacyDataFolderPath = legacy;
        QFile::remove(dataFolder() + QStringLiteral("files.txt"));
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        m_platform.legacyDataFolderPath.clear();
        QVERIFY(QFile::exists(dataFolder() + QStringLiteral("files.txt")));
        QVERIFY(!QDir(legacy).exists());
        QStringList shown;
        for (const char* name : {"recentFile1", "recentFile2", "recentFile3", "recentFile4"})
            if (action(window, name)->isVisible())
                shown << action(window, name)->statusTip();
        QCOMPARE(shown, QStringList{page});
        QFile::remove(dataFolder() + QStringLiteral("files.txt"));
    }

    // An unreadable number line costs itself only, and the window says so once.
    void anUnreadableSettingsLineIsSetAsideAndToldOnce() {
        QVERIFY(QDir().mkpath(dataFolder()));
        const QString ini = dataFolder() + QStringLiteral("Html.ini");
        QVERIFY(writeFileBytes(ini, "Courier New\r\n14\r\ntrue\r\nanna\r\nsecret\r\n"
                                    "ftp.example.org\r\nUserLogin\r\nUTF-8\r\n/usr/bin/b\r\n"
                                    "green\r\n \r\n \r\n \r\n \r\n \r\n1\r\n \r\n \r\n"
                                    "true\r\n"));
        for (int start = 0; start < 2; ++start) {
            ScriptedPrompter prompter;
            MainWindow window(m_platform, &prompter);
            window.startUp({});
            QCOMPARE(prompter.messages().size(), 1 - start);
            if (start == 0)
                QVERIFY(prompter.messages().first().endsWith(ini + QStringLiteral(".bad")));
        }
        QVERIFY(readFileBytes(ini + QStringLiteral(".bad")).contains("green"));
        QFile::remove(ini);
        QFile::remove(ini + QStringLiteral(".bad"));
    }

    void commandLineFileIsOpened() {
        const QString path = m_home.filePath(QStringLiteral("arg.css"));
        QVERIFY(writeFileBytes(path, "p { }\n"));
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        // Relative, as typed in a shell.
        QDir::setCurrent(m_home.path());
        window.startUp({QStringLiteral("arg.css")});
        QCOMPARE(window.document().fileName(), path);
        QCOMPARE(window.buffer().text(), QStringLiteral("p { }"));
        // The stored list is read first, so the opened file joins it.
        QCOMPARE(action(window, "recentFile4")->statusTip(), path);
        QVERIFY(action(window, "recentFile4")->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
