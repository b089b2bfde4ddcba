#pragma once

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

// The main window's menus, toolbars and editor pop-up, with the names the language switch
// and the tests look them up by. Creates the controls only; the window connects them.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QMainWindow* window);

    QMenu* fileMenu;
    QMenu* editMenu;
    QMenu* htmlMenu;
    // Submenus of "HTML" that several command groups fill.
    QMenu* formatMenu;
    QMenu* tableMenu;
    QMenu* framesMenu;
    QMenu* extrasMenu;
    QMenu* languageMenu;
    QMenu* helpMenu;
    QToolBar* toolBar1;
    QToolBar* toolBar2;

    QAction* fileNew;
    QAction* fileOpen;
    QAction* fileSave;
    QAction* fileSaveAs;
    QAction* saveAscii;
    QAction* saveUtf8;
    QAction* fileExit;
    QAction* delLast;
    QList<QAction*> recentItems; // file11 .. file41

    QAction* editUndo;
    QAction* editCut;
    QAction* editCopy;
    QAction* editPaste;
    QAction* selectAll;

    QAction* english;
    QAction* german;
    QAction* about;

    QAction* newButton;
    QAction* openButton;
    QAction* saveButton;
    QAction* cutButton;
    QAction* copyButton;
    QAction* pasteButton;
    QAction* undoButton;

    QMenu* popup;
    QAction* popupUndo;
    QAction* popupCopy;
    QAction* popupCut;
    QAction* popupPaste;
    QMenu* setBookmarkMenu;
    QMenu* gotoBookmarkMenu;
    QList<QAction*> setBookmarkItems;
    QList<QAction*> gotoBookmarkItems;
    QAction* deleteBookmarks;

private:
    QAction* item(QMenu* menu, const char* name, const QString& text);
    QAction* button(QToolBar* bar, const char* name, const QString& icon);
};
