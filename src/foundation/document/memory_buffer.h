#pragma once

#include "foundation/document/editor_buffer.h"

#include <array>
#include <vector>

// The editor buffer without a control: used by the core's tests and the command runner.
// It follows the editor control where the contract leaves room: the caret after an undo,
// and how bookmarks move with edits.
class MemoryBuffer : public EditorBuffer {
public:
    MemoryBuffer() = default;
    explicit MemoryBuffer(const QString& text) { loadText(text); }

    QString text() const override { return text_; }
    void setText(const QString& text) override;
    void loadText(const QString& text) override;

    int selStart() const override { return qMin(anchor_, caret_); }
    int selLength() const override { return qAbs(anchor_ - caret_); }
    void setSelStart(int offset) override;
    void setSelLength(int length) override;
    void select(int anchor, int caret) override;
    int caretOffset() const override { return caret_; }
    QString selText() const override;
    void setSelText(const QString& text) override;
    void selectAll() override;

    int caretLine() const override;
    int caretColumn() const override;
    int lineCount() const override;
    QString line(int index) const override;

    bool isModified() const override;
    void setModified(bool modified) override;
    void undo() override;

    void setBookmark(int number, int line) override;
    int bookmark(int number) const override;
    void clearBookmark(int number) override;

private:
    struct Edit {
        int position;
        QString removed;
        int insertedLength;
    };

    // Replaces length code units at position by CR LF text and records the undo step.
    void replace(int position, int length, const QString& crlfText);
    // The change itself, moving bookmarks as the editor control moves its markers.
    void applyReplace(int position, int length, const QString& crlfText);
    bool anyBookmark() const;
    int clamp(int offset) const;
    int lineOf(int offset) const;
    int lineStart(int line) const;

    QString text_;
    int anchor_ = 0;
    int caret_ = 0;
    std::vector<Edit> undoSteps_;
    // Undo depth of the last save point; -1 once an edit made after undoing past it.
    qsizetype savePoint_ = 0;
    bool forcedModified_ = false;
    std::array<int, BookmarkCount> bookmarks_{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};
