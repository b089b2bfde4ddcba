#pragma once

#include "app/text_find.h"

#include <QObject>

class BookmarkController;
class FindDialog;
class QAction;
class QDialog;
class ReplaceDialog;
class TMainForm;

// Find, find next, replace, go to line, the word-wrap toggle and (through its own controller)
// the bookmarks of the main window.
class SearchController : public QObject {
    Q_OBJECT
public:
    explicit SearchController(TMainForm& window);

    void Find1Click();
    void Findnext1Click();
    void Replace1Click();
    void GoToLine1Click();
    void ToolButton3Click();

    FindDialog& findDialog() const { return *m_find; }
    ReplaceDialog& replaceDialog() const { return *m_replace; }
    const DocumentSearch& search() const { return m_search; }

private:
    QAction* menuItem(const char* name, const QString& caption, const char* shortcut);
    QAction* popupItem(const char* name, const QString& caption);
    void applyLanguage();
    void showModeless(QDialog* dialog);
    void gotoLineAndCenter(int line);

    TMainForm& m_window;
    DocumentSearch m_search;
    FindDialog* m_find;
    ReplaceDialog* m_replace;
    BookmarkController* m_bookmarks;
    QAction* m_findButton;
    QAction* m_wrapButton;
};
