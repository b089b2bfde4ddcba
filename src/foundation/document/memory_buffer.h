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

    QString text() const override { return m_text; }
    void setText(const QString& text) override;
    void loadText(const QString& text) override;

    int selStart() const override { return qMin(m_anchor, m_caret); }
    int selLength() const override { return qAbs(m_anchor - m_caret); }
    void setSelStart(int offset) override;
    void setSelLength(int length) override;
    void select(int anchor, int caret) override;
    int caretOffset() const override { return m_caret; }
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

    QString m_text;
    int m_anchor = 0;
    int m_caret = 0;
    std::vector<Edit> m_undoSteps;
    // Undo depth of the last save point; -1 once an edit made after undoing past it.
    qsizetype m_savePoint = 0;
    bool m_forcedModified = false;
    std::array<int, BookmarkCount> m_bookmarks{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};
