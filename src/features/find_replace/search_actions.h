#pragma once

#include "features/find_replace/document_search.h"

#include <QObject>

class BookmarkActions;
class FindDialog;
class QAction;
class QDialog;
class ReplaceDialog;
class FeatureContext;

// Owns find, find next, replace, go to line, the word-wrap toggle and (through BookmarkActions)
// the bookmarks of the main window.
class SearchActions : public QObject {
    Q_OBJECT
public:
    explicit SearchActions(FeatureContext& context);

    void showFindDialog();
    void findNext();
    void showReplaceDialog();
    void goToLine();
    void toggleWordWrap();

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
    BookmarkActions* m_bookmarks = nullptr;
    QAction* m_findButton;
    QAction* m_wrapButton;
};
