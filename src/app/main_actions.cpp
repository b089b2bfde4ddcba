#include "app/main_actions.h"

#include "app/icons.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {

QMenu* namedMenu(QWidget* parent, const char* name, const QString& title) {
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Action"));
    return menu;
}

} // namespace

QAction* MainActions::item(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* MainActions::button(QToolBar* bar, const char* name, const QString& icon) {
    QAction* action = bar->addAction(themedIcon(icon), QString());
    action->setObjectName(QLatin1String(name));
    return action;
}

MainActions::MainActions(QMainWindow* window) : QObject(window) {
    // German captions are the built-in ones; the language switch rewrites them.
    QMenuBar* bar = window->menuBar();
    fileMenu = namedMenu(window, "FileMenu", QStringLiteral("Datei"));
    editMenu = namedMenu(window, "EditMenu", QStringLiteral("Bearbeiten"));
    htmlMenu = namedMenu(window, "HTML1", QStringLiteral("HTML"));
    extrasMenu = namedMenu(window, "Extras1", QStringLiteral("Extras"));
    helpMenu = namedMenu(window, "HelpMenu", QStringLiteral("Hilfe"));
    for (QMenu* m : {fileMenu, editMenu, htmlMenu, extrasMenu, helpMenu})
        bar->addMenu(m);

    fileNew = item(fileMenu, "FileNewItem", QStringLiteral("Neu"));
    fileNew->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    fileNew->setIcon(themedIcon(QStringLiteral("document-new")));
    fileOpen = item(fileMenu, "FileOpenItem", QStringLiteral("Öffnen..."));
    fileOpen->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    fileOpen->setIcon(themedIcon(QStringLiteral("document-open")));
    fileSave = item(fileMenu, "FileSaveItem", QStringLiteral("Speichern"));
    fileSave->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    fileSave->setIcon(themedIcon(QStringLiteral("document-save")));
    fileSaveAs = item(fileMenu, "FileSaveAsItem", QStringLiteral("Speichern unter..."));
    saveAscii = item(fileMenu, "ASCIITextspeichern1", QStringLiteral("ASCII Text speichern"));
    saveUtf8 = item(fileMenu, "Utf8speichern1", QStringLiteral("Utf-8 speichern"));
    fileMenu->addSeparator();
    fileExit = item(fileMenu, "FileExitItem", QStringLiteral("Exit"));
    fileExit->setShortcut(QKeySequence(QStringLiteral("Alt+X")));
    fileMenu->addSeparator();
    delLast = item(fileMenu, "DelLast", QStringLiteral("Letzte Dateien löschen..."));
    delLast->setVisible(false);
    for (const char* name : {"file11", "file21", "file31", "file41"}) {
        QAction* recent = item(fileMenu, name, QString());
        recent->setVisible(false);
        recentItems << recent;
    }

    // The editor has its own keys for these; the captions show them.
    editUndo = item(editMenu, "EditUndoItem", QStringLiteral("Rückgängig"));
    editUndo->setIcon(themedIcon(QStringLiteral("edit-undo")));
    editMenu->addSeparator();
    editCut = item(editMenu, "EditCutItem", QStringLiteral("Ausschneiden"));
    editCut->setIcon(themedIcon(QStringLiteral("edit-cut")));
    editCopy = item(editMenu, "EditCopyItem", QStringLiteral("Kopieren"));
    editCopy->setIcon(themedIcon(QStringLiteral("edit-copy")));
    editPaste = item(editMenu, "EditPasteItem", QStringLiteral("Einfügen"));
    editPaste->setIcon(themedIcon(QStringLiteral("edit-paste")));
    editMenu->addSeparator();
    selectAll = item(editMenu, "Selectall1", QStringLiteral("Alles markieren"));

    // Their captions are English words in both languages.
    formatMenu = namedMenu(window, "Format1", QStringLiteral("Format"));
    tableMenu = namedMenu(window, "Table2", QStringLiteral("Table..."));
    framesMenu = namedMenu(window, "Frames1", QStringLiteral("Frames..."));
    for (QMenu* m : {formatMenu, tableMenu, framesMenu})
        htmlMenu->addMenu(m);
    htmlMenu->addSeparator();

    languageMenu = namedMenu(window, "Sprache1", QStringLiteral("Sprache"));
    extrasMenu->addMenu(languageMenu);
    english = item(languageMenu, "Englisch1", QStringLiteral("Englisch"));
    german = item(languageMenu, "Deutsch1", QStringLiteral("Deutsch"));
    auto* languages = new QActionGroup(this);
    for (QAction* a : {english, german}) {
        a->setCheckable(true);
        languages->addAction(a);
    }

    about = item(helpMenu, "HelpAboutItem", QStringLiteral("Über..."));

    toolBar1 = window->addToolBar(QStringLiteral("Standard"));
    toolBar1->setObjectName(QStringLiteral("ToolBar1"));
    newButton = button(toolBar1, "ToolButton1", QStringLiteral("document-new"));
    openButton = button(toolBar1, "OpenButton", QStringLiteral("document-open"));
    saveButton = button(toolBar1, "SaveButton", QStringLiteral("document-save"));
    toolBar1->addSeparator();
    cutButton = button(toolBar1, "CutButton", QStringLiteral("edit-cut"));
    copyButton = button(toolBar1, "CopyButton", QStringLiteral("edit-copy"));
    pasteButton = button(toolBar1, "PasteButton", QStringLiteral("edit-paste"));
    undoButton = button(toolBar1, "UndoButton", QStringLiteral("edit-undo"));

    // The second bar holds table, form, preview and search buttons; hidden while empty.
    window->addToolBarBreak();
    toolBar2 = window->addToolBar(QStringLiteral("ToolBar2"));
    toolBar2->setObjectName(QStringLiteral("ToolBar2"));
    toolBar2->setVisible(false);

    popup = namedMenu(window, "PopupMenu2", QString());
    popupUndo = item(popup, "Rckgngig1", QStringLiteral("Rückgängig"));
    popupCopy = item(popup, "Kopieren2", QStringLiteral("Kopieren"));
    popupCut = item(popup, "Ausschneiden1", QStringLiteral("Ausschneiden"));
    popupPaste = item(popup, "Einfgen1", QStringLiteral("Einfügen"));
    popup->addSeparator();
    setBookmarkMenu = namedMenu(window, "Bookmark1", QStringLiteral("Lesezeichen setzen..."));
    gotoBookmarkMenu = namedMenu(window, "GotoBookmark1", QStringLiteral("Gehe zu Lesezeichen..."));
    popup->addMenu(setBookmarkMenu);
    popup->addMenu(gotoBookmarkMenu);
    for (int n = 0; n < 10; ++n) {
        QAction* set = setBookmarkMenu->addAction(QString());
        set->setObjectName(QStringLiteral("SetBookmark%1").arg(n));
        set->setCheckable(true);
        set->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+%1").arg(n)));
        setBookmarkItems << set;
        QAction* go = gotoBookmarkMenu->addAction(QString());
        go->setObjectName(QStringLiteral("GotoBookmark%1").arg(n));
        go->setCheckable(true);
        go->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(n)));
        gotoBookmarkItems << go;
    }
    deleteBookmarks = item(popup, "DeleteBookmark1", QStringLiteral("Lesezeichen löschen"));
    // Bookmark keys work anywhere in the window, not only while the pop-up is open.
    window->addActions(setBookmarkItems);
    window->addActions(gotoBookmarkItems);
}
