#pragma once

#include <QList>
#include <QObject>

class FeatureContext;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
struct FeatureMenus;

// The main window's own menus, toolbars and editor pop-up, named so that tests find them.
// Creates the controls only; the window connects them, features add their own.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QMainWindow* window);

    // Where features add their items, with the anchors they insert beside.
    FeatureMenus featureMenus() const;
    // The window's own captions and hints follow the message table.
    void bindCaptions(FeatureContext& context);

    QMenu* fileMenu;
    QMenu* editMenu;
    QMenu* htmlMenu;
    // Submenus of "HTML" that several features fill.
    QMenu* formatMenu;
    QMenu* tableMenu;
    QMenu* framesMenu;
    QMenu* extrasMenu;
    QMenu* languageMenu;
    QMenu* helpMenu;
    QToolBar* standardBar;
    QToolBar* insertBar;
    QToolBar* tableBar;

    QAction* newItem;
    QAction* openItem;
    QAction* saveItem;
    QAction* saveAsItem;
    QAction* saveAsAnsiItem;
    QAction* saveAsUtf8Item;
    QAction* fileCommandsEnd;
    QAction* exitItem;
    QAction* clearRecentFilesItem;
    QList<QAction*> recentFileItems;

    QAction* undoItem;
    QAction* redoItem;
    QAction* cutItem;
    QAction* copyItem;
    QAction* pasteItem;
    QAction* selectAllItem;

    QAction* englishItem;
    QAction* germanItem;
    QAction* aboutItem;
    QAction* menuBarKey;

    QAction* newButton;
    QAction* openButton;
    QAction* saveButton;
    QAction* cutButton;
    QAction* copyButton;
    QAction* pasteButton;
    QAction* undoButton;

    QMenu* editorPopup;
    QAction* popupUndoItem;
    QAction* popupCopyItem;
    QAction* popupCutItem;
    QAction* popupPasteItem;

private:
    QAction* item(QMenu* menu, const char* name, const QString& text);
    QAction* button(QToolBar* bar, const char* name, const QString& icon);
};
