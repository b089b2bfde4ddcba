#pragma once

#include "foundation/document/editor_buffer.h"

#include <QList>
#include <QObject>

#include <array>

class FeatureContext;
class QAction;
class QMenu;

// Owns the ten bookmarks: the editor pop-up's submenus with their check marks, the gutter click
// and the digits the gutter draws for them.
class BookmarkActions : public QObject {
    Q_OBJECT
public:
    explicit BookmarkActions(FeatureContext& context);

    // At the caret's line and column.
    void setBookmark(int number);
    void gotoBookmark(int number);
    void clearAllBookmarks();
    // A click in the gutter on a 0-based line: clears the bookmark there, else sets the lowest
    // free one.
    void toggleBookmarkAt(int line);
    // Item N of both submenus is checked while bookmark N is set.
    void refreshChecks();

private:
    void createMenus();
    void applyLanguage();

    FeatureContext& m_context;
    QMenu* m_setMenu;
    QMenu* m_gotoMenu;
    QList<QAction*> m_setItems;
    QList<QAction*> m_gotoItems;
    // The column each bookmark was set at (from 1); the control keeps only the line, which
    // moves with edits.
    std::array<int, EditorBuffer::BookmarkCount> m_columns{};
};
