#pragma once

#include "editor/wrap_limits.h"
#include "foundation/document/editor_buffer.h"

#include <QByteArray>
#include <QPointer>

#include <functional>

class QsciScintilla;

// The editor buffer over the QScintilla control. The control holds UTF-8 with CR LF line
// breaks; offsets are converted through its UTF-16 line index, so no conversion walks the
// whole document. Bookmark n is the control's marker n. Whole-text rewrites replace only the
// bytes that changed.
class QuietTyping;
class ShownStyling;
class LexerGuard;

class ScintillaBuffer : public EditorBuffer {
public:
    // Puts the control into UTF-8 and CR LF mode.
    explicit ScintillaBuffer(QsciScintilla* editor);
    ~ScintillaBuffer() override;
    ScintillaBuffer(const ScintillaBuffer&) = delete;
    ScintillaBuffer& operator=(const ScintillaBuffer&) = delete;

    static constexpr int bookmarkMarker(int number) { return number; }

    QString text() const override;
    bool isEmpty() const override;
    bool isBlank() const override;
    void setText(const QString& text) override;
    void loadText(const QString& text) override;

    int selStart() const override;
    int selLength() const override;
    void setSelStart(int offset) override;
    void setSelLength(int length) override;
    void select(int anchor, int caret) override;
    int caretOffset() const override;
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

    // True while a loaded document too large to wrap quickly keeps word wrap off although it
    // was on; the next load within the limits turns it on again.
    bool wrapHeld() const { return m_wrapHeld; }
    // Told when a load starts or ends such a hold.
    std::function<void(bool held)> wrapHeldChanged;
    void setWrapLimits(const WrapLimits& limits) { m_wrapLimits = limits; }
    // Colours a large document where it is shown.
    ShownStyling& shownStyling() const { return *m_shownStyling; }
    // Told when the document would take text the HTML lexer cannot colour (true) and when a
    // newly loaded text no longer holds any (false): colouring must be off before it arrives.
    std::function<void(bool stopped)> colouringStopped;

private:
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    // Replaces the bytes from start to end; returns the position after the new text.
    long replaceRange(long start, long end, QByteArrayView bytes);
    QString textRange(long start, long end) const;
    void highlightFrom(long position);
    // The control's text, without a copy; valid until the next change.
    QByteArrayView characters() const;
    long toPosition(int offset) const;
    int toOffset(long position) const;

    QPointer<QsciScintilla> m_editor;
    // setModified(true) must hold even where the control sees no change.
    bool m_forcedModified = false;
    bool m_wrapHeld = false;
    WrapLimits m_wrapLimits;
    QuietTyping* m_quietTyping;   // owned by the editor
    ShownStyling* m_shownStyling; // owned by the editor
    LexerGuard* m_lexerGuard;     // owned by the editor
};
