#pragma once

#include "features/find_replace/text_find.h"

#include <QObject>

class BookmarkController;
class FindDialog;
class QAction;
class QDialog;
class ReplaceDialog;
class FeatureContext;

// Find, find next, replace, go to line, the word-wrap toggle and (through its own controller)
// the bookmarks of the main window.
class SearchController : public QObject {
    Q_OBJECT
public:
    explicit SearchController(FeatureContext& context);

    void Find1Click();
    void Findnext1Click();
    void Replace1Click();
    void GoToLine1Click();
    void ToolButton3Click();

    FindDialog& findDialog() const { return *m_find; }
    ReplaceDialog& replaceDialog() const { return *m_replace; }
    const DocumentSearch& search() const { return m_search; }

private:
    QAction* menuItem(const char* name, const QString& caption, const char* shortcut,
                      int captionLine);
    QAction* popupItem(const char* name, const QString& caption, int captionLine);
    void applyLanguage();
    void showModeless(QDialog* dialog);
    void gotoLineAndCenter(int line);

    FeatureContext& m_context;
    DocumentSearch m_search;
    FindDialog* m_find;
    ReplaceDialog* m_replace;
    BookmarkController* m_bookmarks = nullptr;
    QAction* m_findButton;
    QAction* m_wrapButton;
};
