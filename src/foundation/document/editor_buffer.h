#pragma once

#include "foundation/text/text_rules.h"

#include <QString>

// The editor as every command sees it. The whole text joins the lines with CR LF and has
// no line break after the last line; offsets are 0-based UTF-16 code units over that text
// (a line break counts as two). Text written through setText/setSelText may hold any line
// breaks; they are stored as CR LF.
class EditorBuffer {
public:
    static constexpr int BookmarkCount = 10;

    virtual ~EditorBuffer() = default;

    virtual QString text() const = 0;
    // Commands test these before any work; the control answers them without converting a
    // large document into a string.
    virtual bool isEmpty() const { return text().isEmpty(); }
    virtual bool isBlank() const { return isBlankText(text()); }
    // Replaces the whole text as one undo step and puts the caret at offset 0.
    virtual void setText(const QString& text) = 0;
    // Replaces the whole text without undo history (loading a document).
    virtual void loadText(const QString& text) = 0;

    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    // Collapses the selection at offset (no text is deleted).
    virtual void setSelStart(int offset) = 0;
    // Selects length code units from selStart().
    virtual void setSelLength(int length) = 0;
    // Selects from anchor to caret; the caret may stand before the anchor.
    virtual void select(int anchor, int caret) = 0;
    virtual int caretOffset() const = 0;
    virtual QString selText() const = 0;
    // Replaces the selection; the caret stands after the new text; one undo step.
    virtual void setSelText(const QString& text) = 0;
    virtual void selectAll() = 0;

    // Caret line and column, both counted from 1 (CaretY, CaretX).
    virtual int caretLine() const = 0;
    virtual int caretColumn() const = 0;
    virtual int lineCount() const = 0;
    virtual QString line(int index) const = 0;

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    virtual void undo() = 0;

    // Bookmarks 0..9 hold a 0-based line, or -1 when not set.
    virtual void setBookmark(int number, int line) = 0;
    virtual int bookmark(int number) const = 0;
    virtual void clearBookmark(int number) = 0;
    void clearAllBookmarks() {
        for (int i = 0; i < BookmarkCount; ++i)
            clearBookmark(i);
    }
};
