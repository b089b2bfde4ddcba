#include "shell/main_actions.h"

#include "foundation/messages/ui_text.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

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

const UiText RedoText{"Wiederherstellen", "Redo"};
const UiText TableMenuText{"Tabelle", "Table"};

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
    fileMenu = namedMenu(window, "fileMenu", QStringLiteral("Datei"));
    editMenu = namedMenu(window, "editMenu", QStringLiteral("Bearbeiten"));
    // The same word in both languages, so their Alt+letter is chosen here once.
    htmlMenu = namedMenu(window, "htmlMenu", QStringLiteral("HT&ML"));
    extrasMenu = namedMenu(window, "extrasMenu", QStringLiteral("Ex&tras"));
    helpMenu = namedMenu(window, "helpMenu", QStringLiteral("Hilfe"));
    for (QMenu* m : {fileMenu, editMenu, htmlMenu, extrasMenu, helpMenu})
        bar->addMenu(m);

    newItem = item(fileMenu, "newItem", QStringLiteral("Neu"));
    newItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    newItem->setIcon(themedIcon(QStringLiteral("document-new")));
    openItem = item(fileMenu, "openItem", QStringLiteral("Öffnen..."));
    openItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    openItem->setIcon(themedIcon(QStringLiteral("document-open")));
    saveItem = item(fileMenu, "saveItem", QStringLiteral("Speichern"));
    saveItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    saveItem->setIcon(themedIcon(QStringLiteral("document-save")));
    saveAsItem = item(fileMenu, "saveAsItem", QStringLiteral("Speichern unter..."));
    saveAsAnsiItem = item(fileMenu, "saveAsAnsiItem", QStringLiteral("ASCII Text speichern"));
    saveAsUtf8Item = item(fileMenu, "saveAsUtf8Item", QStringLiteral("Utf-8 speichern"));
    fileCommandsEnd = fileMenu->addSeparator();
    // The recent files show their full path as a tooltip.
    fileMenu->setToolTipsVisible(true);
    exitItem = item(fileMenu, "exitItem", QStringLiteral("Exit"));
    exitItem->setShortcut(QKeySequence(QStringLiteral("Alt+X")));
    fileMenu->addSeparator();
    clearRecentFilesItem =
        item(fileMenu, "clearRecentFilesItem", QStringLiteral("Letzte Dateien löschen..."));
    clearRecentFilesItem->setVisible(false);
    for (const char* name : {"recentFile1", "recentFile2", "recentFile3", "recentFile4"}) {
        QAction* recent = item(fileMenu, name, QString());
        recent->setVisible(false);
        recentFileItems << recent;
    }

    // The editor has the same keys; a focused field keeps its own.
    undoItem = item(editMenu, "undoItem", QStringLiteral("Rückgängig"));
    undoItem->setIcon(themedIcon(QStringLiteral("edit-undo")));
    undoItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    redoItem = item(editMenu, "redoItem", QStringLiteral("Wiederherstellen"));
    redoItem->setIcon(themedIcon(QStringLiteral("edit-redo")));
    redoItem->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    editMenu->addSeparator();
    cutItem = item(editMenu, "cutItem", QStringLiteral("Ausschneiden"));
    cutItem->setIcon(themedIcon(QStringLiteral("edit-cut")));
    cutItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    copyItem = item(editMenu, "copyItem", QStringLiteral("Kopieren"));
    copyItem->setIcon(themedIcon(QStringLiteral("edit-copy")));
    copyItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    pasteItem = item(editMenu, "pasteItem", QStringLiteral("Einfügen"));
    pasteItem->setIcon(themedIcon(QStringLiteral("edit-paste")));
    pasteItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
    editMenu->addSeparator();
    selectAllItem = item(editMenu, "selectAllItem", QStringLiteral("Alles auswählen"));
    selectAllItem->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));

    formatMenu = namedMenu(window, "formatMenu", QStringLiteral("Format"));
    tableMenu = namedMenu(window, "tableMenu", QStringLiteral("Tabelle"));
    framesMenu = namedMenu(window, "framesMenu", QStringLiteral("Frames"));
    for (QMenu* m : {formatMenu, tableMenu, framesMenu})
        htmlMenu->addMenu(m);
    htmlMenu->addSeparator();

    languageMenu = namedMenu(window, "languageMenu", QStringLiteral("Sprache"));
    extrasMenu->addMenu(languageMenu);
    englishItem = item(languageMenu, "englishItem", QStringLiteral("Englisch"));
    germanItem = item(languageMenu, "germanItem", QStringLiteral("Deutsch"));
    auto* languages = new QActionGroup(this);
    for (QAction* a : {englishItem, germanItem}) {
        a->setCheckable(true);
        languages->addAction(a);
    }

    aboutItem = item(helpMenu, "aboutItem", QStringLiteral("Info..."));

    menuBarKey = new QAction(window);
    menuBarKey->setObjectName(QStringLiteral("menuBarKey"));
    menuBarKey->setShortcut(QKeySequence(Qt::Key_F10));
    window->addAction(menuBarKey);

    // Three rows of buttons and pickers fit a 1280 pixel wide screen at this size.
    window->setIconSize(QSize(20, 20));
    standardBar = window->addToolBar(QStringLiteral("Standard"));
    standardBar->setObjectName(QStringLiteral("standardBar"));
    newButton = button(standardBar, "newButton", QStringLiteral("document-new"));
    openButton = button(standardBar, "openButton", QStringLiteral("document-open"));
    saveButton = button(standardBar, "saveButton", QStringLiteral("document-save"));
    standardBar->addSeparator();
    cutButton = button(standardBar, "cutButton", QStringLiteral("edit-cut"));
    copyButton = button(standardBar, "copyButton", QStringLiteral("edit-copy"));
    pasteButton = button(standardBar, "pasteButton", QStringLiteral("edit-paste"));
    undoButton = button(standardBar, "undoButton", QStringLiteral("edit-undo"));

    // A row of its own for links, images, fonts and styles, so no row is wider than a 1280
    // pixel screen.
    window->addToolBarBreak();
    insertBar = window->addToolBar(QStringLiteral("Insert"));
    insertBar->setObjectName(QStringLiteral("insertBar"));

    // The last bar holds table, form, preview and search buttons; hidden while empty.
    window->addToolBarBreak();
    tableBar = window->addToolBar(QStringLiteral("Tables"));
    tableBar->setObjectName(QStringLiteral("tableBar"));
    tableBar->setVisible(false);

    editorPopup = namedMenu(window, "editorPopup", QString());
    popupUndoItem = item(editorPopup, "popupUndoItem", QStringLiteral("Rückgängig"));
    popupCopyItem = item(editorPopup, "popupCopyItem", QStringLiteral("Kopieren"));
    popupCutItem = item(editorPopup, "popupCutItem", QStringLiteral("Ausschneiden"));
    popupPasteItem = item(editorPopup, "popupPasteItem", QStringLiteral("Einfügen"));
    editorPopup->addSeparator();
}

FeatureMenus MainActions::featureMenus() const {
    FeatureMenus menus;
    menus.file = fileMenu;
    menus.fileEnd = fileCommandsEnd;
    menus.edit = editMenu;
    menus.html = htmlMenu;
    menus.format = formatMenu;
    menus.table = tableMenu;
    menus.frames = framesMenu;
    menus.extras = extrasMenu;
    menus.help = helpMenu;
    menus.about = aboutItem;
    menus.editorPopup = editorPopup;
    menus.standardBar = standardBar;
    menus.saveButton = saveButton;
    menus.undoButton = undoButton;
    menus.insertBar = insertBar;
    menus.tableBar = tableBar;
    return menus;
}

void MainActions::bindCaptions(FeatureContext& context) {
    const struct {
        QAction* button;
        int line;
    } hints[] = {{newButton, 56},  {openButton, 57},  {saveButton, 58}, {cutButton, 60},
                 {copyButton, 61}, {pasteButton, 62}, {undoButton, 63}};
    for (const auto& hint : hints)
        context.hintFromMessage(hint.button, hint.line);
    const struct {
        QMenu* menu;
        int line;
    } menus[] = {{fileMenu, 129}, {editMenu, 130}, {helpMenu, 131}, {languageMenu, 179}};
    for (const auto& menu : menus)
        context.captionFromMessage(menu.menu, menu.line);
    const struct {
        QAction* item;
        int line;
    } items[] = {{newItem, 132},        {openItem, 133},
                 {saveItem, 134},       {saveAsItem, 135},
                 {saveAsAnsiItem, 136}, {saveAsUtf8Item, 137},
                 {exitItem, 141},       {undoItem, 142},
                 {selectAllItem, 143},  {cutItem, 144},
                 {copyItem, 145},       {pasteItem, 146},
                 {englishItem, 180},    {germanItem, 181},
                 {aboutItem, 188},      {popupUndoItem, 199},
                 {popupCopyItem, 200},  {popupCutItem, 201},
                 {popupPasteItem, 202}, {clearRecentFilesItem, 214}};
    for (const auto& item : items)
        context.captionFromMessage(item.item, item.line);
    context.captionFromText(redoItem, RedoText);
    context.captionFromText(tableMenu, TableMenuText);
}
