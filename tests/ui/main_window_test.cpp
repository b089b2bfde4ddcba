#include "app/document.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/scripted_prompter.h"
#include "app/status_panels.h"
#include "editor/editor_buffer.h"
#include "file_bytes.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

class MainWindowTest : public WindowTest {
    Q_OBJECT

private:
    QString dataFolder() const { return m_home.filePath(QStringLiteral("redodaze/")); }

    static QMenu* menu(TMainForm& w, const char* name) {
        return w.findChild<QMenu*>(QLatin1String(name));
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    void newTypeSaveCloseReopenFromRecentFiles() {
        const QString page = m_home.filePath(QStringLiteral("my page.html"));
        {
            ScriptedPrompter prompter;
            TMainForm window(m_platform, &prompter);
            window.show();
            window.startUp({});
            QVERIFY(QDir(dataFolder()).exists());

            prompter.addAnswer(QStringLiteral("yes")); // "New HTML doc?"
            action(window, "FileNewItem")->trigger();
            QVERIFY(window.buffer().text().startsWith(QStringLiteral("<html>\r\n<head>")));
            QCOMPARE(window.statusPanels().panel(3)->text(), QStringLiteral("Untitled"));

            window.buffer().setSelStart(0);
            window.SynMemo1()->setFocus();
            QTest::keyClicks(window.SynMemo1(), QStringLiteral("Hi "));
            QVERIFY(window.buffer().text().startsWith(QStringLiteral("Hi <html>")));
            QVERIFY(window.buffer().isModified());
            QCOMPARE(window.statusPanels().panel(1)->text(), QStringLiteral("3"));

            prompter.addFile(page);
            action(window, "FileSaveAsItem")->trigger();
            QVERIFY(!window.buffer().isModified());
            QCOMPARE(window.document().FFileName(), page);
            QVERIFY(action(window, "file41")->isVisible());
            QCOMPARE(action(window, "file41")->text(), QStringLiteral("my page.html"));

            QTest::keyClicks(window.SynMemo1(), QStringLiteral("more"));
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
        TMainForm window(m_platform, &prompter);
        window.show();
        window.startUp({});
        QAction* recent = action(window, "file41");
        QVERIFY(recent->isVisible());
        QCOMPARE(recent->statusTip(), page);
        QVERIFY(action(window, "DelLast")->isVisible());
        recent->trigger();
        QCOMPARE(window.document().FFileName(), page);
        QVERIFY(window.buffer().text().startsWith(QStringLiteral("Hi <html>")));
        QVERIFY(!window.buffer().text().contains(QStringLiteral("more")));
        QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("my page.BAK"))));
        QVERIFY(prompter.messages().isEmpty());

        action(window, "DelLast")->trigger();
        QVERIFY(!recent->isVisible());
        QVERIFY(!action(window, "DelLast")->isVisible());
        QVERIFY(!QFile::exists(dataFolder() + QStringLiteral("files.txt")));
    }

    void languageSwitchRewritesCaptionsHintsAndBookmarks() {
        ScriptedPrompter prompter;
        TMainForm window(m_platform, &prompter);
        window.startUp({});

        action(window, "Englisch1")->trigger();
        QCOMPARE(menu(window, "FileMenu")->title(), QStringLiteral("File"));
        QCOMPARE(action(window, "FileNewItem")->text(), QStringLiteral("New"));
        QCOMPARE(action(window, "ToolButton1")->toolTip(), QStringLiteral("New document"));
        QCOMPARE(action(window, "SetBookmark0")->text(), QStringLiteral("Bookmark 0"));
        QCOMPARE(action(window, "GotoBookmark9")->text(), QStringLiteral("Bookmark 9"));
        QCOMPARE(menu(window, "HTML1")->title(), QStringLiteral("HTML"));
        QVERIFY(window.statusPanels().panel(0)->text().startsWith(QStringLiteral("Row ")));

        action(window, "Deutsch1")->trigger();
        QCOMPARE(menu(window, "FileMenu")->title(), QStringLiteral("Datei"));
        QCOMPARE(action(window, "FileNewItem")->text(), QStringLiteral("Neu"));
        QCOMPARE(action(window, "SetBookmark3")->text(), QStringLiteral("Lesezeichen 3"));
        QCOMPARE(menu(window, "HTML1")->title(), QStringLiteral("HTML"));
        QVERIFY(window.statusPanels().panel(0)->text().startsWith(QStringLiteral("Zeile: ")));
        // Qt's own buttons follow, so a German question is not answered with "Yes".
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));

        // The question on closing follows the language too.
        window.buffer().loadText(QStringLiteral("x"));
        window.buffer().setModified(true);
        action(window, "Englisch1")->trigger();
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        prompter.addAnswer(QStringLiteral("cancel"));
        QVERIFY(!window.close());
        QCOMPARE(prompter.messages().last(), QStringLiteral("Save changes to: untitled.html"));
        prompter.addAnswer(QStringLiteral("no"));
        QVERIFY(window.close());
    }

    void everyToolbarButtonHasAnIconAndAHint() {
        ScriptedPrompter prompter;
        TMainForm window(m_platform, &prompter);
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
        TMainForm window(m_platform, &prompter);
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

    void bookmarksSetGotoAndClearFromThePopup() {
        ScriptedPrompter prompter;
        TMainForm window(m_platform, &prompter);
        window.startUp({});
        window.buffer().loadText(QStringLiteral("a\r\nb\r\nc"));
        window.buffer().setSelStart(3); // line 2
        action(window, "SetBookmark4")->trigger();
        QCOMPARE(window.buffer().bookmark(4), 1);
        QVERIFY(action(window, "GotoBookmark4")->isChecked());
        window.buffer().setSelStart(0);
        action(window, "GotoBookmark4")->trigger();
        QCOMPARE(window.buffer().caretLine(), 2);
        action(window, "DeleteBookmark1")->trigger();
        QCOMPARE(window.buffer().bookmark(4), -1);
        QVERIFY(!action(window, "SetBookmark4")->isChecked());
    }

    void commandLineFileIsOpened() {
        const QString path = m_home.filePath(QStringLiteral("arg.css"));
        QVERIFY(writeFileBytes(path, "p { }\n"));
        ScriptedPrompter prompter;
        TMainForm window(m_platform, &prompter);
        // Relative, as typed in a shell.
        QDir::setCurrent(m_home.path());
        window.startUp({QStringLiteral("arg.css")});
        QCOMPARE(window.document().FFileName(), path);
        QCOMPARE(window.buffer().text(), QStringLiteral("p { }"));
        // The stored list is read first, so the opened file joins it.
        QCOMPARE(action(window, "file41")->statusTip(), path);
        QVERIFY(action(window, "file41")->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
