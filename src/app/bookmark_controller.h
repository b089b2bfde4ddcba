#pragma once

#include "editor/editor_buffer.h"

#include <QObject>

#include <array>

class TMainForm;

// The ten bookmarks: the editor pop-up's submenus with their check marks, the gutter click and
// the digits the gutter draws for them.
class BookmarkController : public QObject {
    Q_OBJECT
public:
    explicit BookmarkController(TMainForm& window);

    // Set bookmark N (N01Click ... N91Click): at the caret's line and column.
    void setBookmark(int number);
    // Go to bookmark N (N02Click ... N92Click).
    void gotoBookmark(int number);
    void DeleteBookmark1Click();
    // A click in the gutter on a 0-based line.
    void SynMemo1GutterClick(int line);
    // Item N of both submenus is checked while bookmark N is set.
    void refreshChecks();

private:
    TMainForm& m_window;
    // The column each bookmark was set at (from 1); the control keeps only the line, which
    // moves with edits.
    std::array<int, EditorBuffer::BookmarkCount> m_columns{};
};
