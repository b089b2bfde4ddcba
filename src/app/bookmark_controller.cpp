#include "app/bookmark_controller.h"

#include "app/main_actions.h"
#include "app/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>

#include <algorithm>

using Sci = QsciScintillaBase;

BookmarkController::BookmarkController(TMainForm& window) : QObject(&window), m_window(window) {
    MainActions& a = window.actions();
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        connect(a.setBookmarkItems[n], &QAction::triggered, this, [this, n] { setBookmark(n); });
        connect(a.gotoBookmarkItems[n], &QAction::triggered, this, [this, n] { gotoBookmark(n); });
    }
    connect(a.deleteBookmarks, &QAction::triggered, this, [this] { DeleteBookmark1Click(); });
    QsciScintilla* editor = window.SynMemo1();
    connect(editor, &QsciScintilla::marginClicked, this,
            [this](int, int line, Qt::KeyboardModifiers) { SynMemo1GutterClick(line); });
    // New, every load and a rewrite of the whole text take bookmarks away without this
    // controller; none comes back that way, so only checked items need a look.
    connect(editor, &QsciScintilla::textChanged, this, [this] {
        const QList<QAction*>& items = m_window.actions().setBookmarkItems;
        if (std::any_of(items.begin(), items.end(), [](QAction* a) { return a->isChecked(); }))
            refreshChecks();
    });
    for (QMenu* menu : {a.setBookmarkMenu, a.gotoBookmarkMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { refreshChecks(); });
}

void BookmarkController::setBookmark(int number) {
    EditorBuffer& buffer = m_window.buffer();
    if (buffer.isEmpty())
        return;
    buffer.clearBookmark(number);
    buffer.setBookmark(number, buffer.caretLine() - 1);
    m_columns[number] = buffer.caretColumn();
    refreshChecks();
}

void BookmarkController::gotoBookmark(int number) {
    const int line = m_window.buffer().bookmark(number);
    if (line < 0)
        return;
    // The column holds as far as the line, which may have become shorter, reaches.
    QsciScintilla* editor = m_window.SynMemo1();
    const long start = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long end = editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
    long at = editor->SendScintilla(Sci::SCI_POSITIONRELATIVECODEUNITS, start,
                                    long(qMax(m_columns[number] - 1, 0)));
    if (at < start || at > end)
        at = end;
    editor->SendScintilla(Sci::SCI_GOTOPOS, at);
    editor->setFocus();
}

void BookmarkController::DeleteBookmark1Click() {
    m_window.buffer().clearAllBookmarks();
    refreshChecks();
}

void BookmarkController::SynMemo1GutterClick(int line) {
    EditorBuffer& buffer = m_window.buffer();
    if (line < 0 || line >= buffer.lineCount())
        return;
    // A click in the gutter puts the caret on the clicked line, so a new bookmark marks the
    // line the user clicked rather than wherever the caret was.
    m_window.SynMemo1()->setCursorPosition(line, 0);
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        if (buffer.bookmark(n) == line) {
            buffer.clearBookmark(n);
            refreshChecks();
            return;
        }
    }
    // The free bookmark is read from the document itself: the check marks may not have been
    // refreshed since a load cleared them.
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        if (buffer.bookmark(n) < 0) {
            setBookmark(n);
            return;
        }
    }
}

void BookmarkController::refreshChecks() {
    MainActions& a = m_window.actions();
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        const bool set = m_window.buffer().bookmark(n) >= 0;
        a.setBookmarkItems[n]->setChecked(set);
        a.gotoBookmarkItems[n]->setChecked(set);
    }
}
