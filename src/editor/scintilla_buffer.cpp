#include "editor/scintilla_buffer.h"

#include "editor/changed_range.h"
#include "editor/lexer_guard.h"
#include "editor/quiet_typing.h"
#include "editor/shown_styling.h"
#include "editor/undo_guard.h"
#include "editor/wrap_limits.h"
#include "foundation/document/line_breaks.h"

#include <Qsci/qsciscintilla.h>

using Sci = QsciScintillaBase;

namespace {

constexpr long Utf16Index = Sci::SC_LINECHARACTERINDEX_UTF16;

// QScintilla answers every change notification by counting the characters up to the
// change, which takes most of a second at the end of a large document. Our own changes go
// without those notifications; listeners still hear of them through the signals.
class QuietChange {
public:
    explicit QuietChange(QsciScintilla* editor)
        : m_editor(editor), m_mask(editor->SendScintilla(Sci::SCI_GETMODEVENTMASK)),
          m_lines(editor->SendScintilla(Sci::SCI_GETLINECOUNT)) {
        m_editor->SendScintilla(Sci::SCI_SETMODEVENTMASK, 0L);
    }
    ~QuietChange() {
        m_editor->SendScintilla(Sci::SCI_SETMODEVENTMASK, m_mask);
        emit m_editor->textChanged();
        if (m_editor->SendScintilla(Sci::SCI_GETLINECOUNT) != m_lines)
            emit m_editor->linesChanged();
    }
    QuietChange(const QuietChange&) = delete;
    QuietChange& operator=(const QuietChange&) = delete;

private:
    QsciScintilla* m_editor;
    long m_mask;
    long m_lines;
};

} // namespace

ScintillaBuffer::ScintillaBuffer(QsciScintilla* editor)
    : m_editor(editor), m_quietTyping(new QuietTyping(editor)),
      m_shownStyling(new ShownStyling(editor)), m_lexerGuard(new LexerGuard(editor)) {
    m_lexerGuard->tripped = [this] {
        if (colouringStopped)
            colouringStopped(true);
    };
    m_editor->setUtf8(true);
    m_editor->setEolMode(QsciScintilla::EolWindows);
    send(Sci::SCI_ALLOCATELINECHARACTERINDEX, Utf16Index);
}

ScintillaBuffer::~ScintillaBuffer() {
    if (m_editor)
        send(Sci::SCI_RELEASELINECHARACTERINDEX, Utf16Index);
}

QString ScintillaBuffer::text() const {
    return QString::fromUtf8(characters());
}

bool ScintillaBuffer::isEmpty() const {
    return send(Sci::SCI_GETLENGTH) == 0;
}

bool ScintillaBuffer::isBlank() const {
    const long length = send(Sci::SCI_GETLENGTH);
    const auto* bytes = static_cast<const unsigned char*>(
        m_editor->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    // Every byte of a multi-byte UTF-8 character is above 0x7F, so bytes decide alone.
    for (long i = 0; i < length; ++i)
        if (bytes[i] > 0x20)
            return false;
    return true;
}

void ScintillaBuffer::setText(const QString& text) {
    const QByteArray bytes = toCrLf(text).toUtf8();
    ChangedRange range = changedRange(characters(), bytes);
    if (range.isEmpty() && !bytes.isEmpty()) {
        // An unchanged text is still one undo step and a modification, as any rewrite is.
        range.oldEnd = range.newEnd = send(Sci::SCI_POSITIONAFTER, 0);
    }
    if (!range.isEmpty()) {
        // Only the changed bytes are replaced: undo then stores, and the control lays out
        // again, what the command changed rather than the whole document.
        QuietChange quiet(m_editor);
        {
            UndoGuard group(m_editor);
            replaceRange(range.start, range.oldEnd,
                         QByteArrayView(bytes).sliced(range.start, range.newEnd - range.start));
        }
        // A wrapped text is styled in one pass from the change on: the control would otherwise
        // style piecewise as it wraps, and the HTML lexer called once per line grows worse
        // than linear. Unwrapped, the control styles in one pass up to what it shows.
        if (send(Sci::SCI_GETWRAPMODE) != Sci::SC_WRAP_NONE)
            highlightFrom(range.start);
    }
    m_shownStyling->settle();
    clearAllBookmarks();
    send(Sci::SCI_SETSEL, 0, 0);
}

void ScintillaBuffer::loadText(const QString& text) {
    const bool wrapWanted = m_wrapHeld || send(Sci::SCI_GETWRAPMODE) != Sci::SC_WRAP_NONE;
    const bool colouringWasStopped = m_lexerGuard->isTripped();
    m_lexerGuard->rearm();
    bool large = false;
    {
        QuietChange quiet(m_editor);
        send(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_NONE);
        send(Sci::SCI_SETUNDOCOLLECTION, 0);
        const QByteArray bytes = toCrLf(text).toUtf8();
        // Room for the text at once, instead of growing the gap step by step, and for some
        // typing: a full buffer is copied whole at the first key press.
        send(Sci::SCI_ALLOCATE, bytes.size() + bytes.size() / 16 + 4096);
        replaceRange(0, send(Sci::SCI_GETLENGTH), bytes);
        send(Sci::SCI_SETUNDOCOLLECTION, 1);
        large = m_wrapLimits.exceededBy(characters());
        // Unwrapped, the control styles in one pass up to what it shows.
        if (!large)
            highlightFrom(0);
    }
    m_quietTyping->setActive(large);
    // Unwrapped too, the control would style everything up to the last line it shows.
    m_shownStyling->setActive(large);
    const bool hold = wrapWanted && large;
    if (wrapWanted && !hold)
        send(Sci::SCI_SETWRAPMODE, Sci::SC_WRAP_WORD);
    if (hold != m_wrapHeld) {
        m_wrapHeld = hold;
        if (wrapHeldChanged)
            wrapHeldChanged(hold);
    }
    if (colouringWasStopped && !m_lexerGuard->isTripped() && colouringStopped)
        colouringStopped(false);
    send(Sci::SCI_EMPTYUNDOBUFFER);
    setModified(false);
    clearAllBookmarks();
    send(Sci::SCI_SETSEL, 0, 0);
}

int ScintillaBuffer::selStart() const {
    return toOffset(send(Sci::SCI_GETSELECTIONSTART));
}

int ScintillaBuffer::selLength() const {
    return toOffset(send(Sci::SCI_GETSELECTIONEND)) - selStart();
}

void ScintillaBuffer::setSelStart(int offset) {
    const long position = toPosition(offset);
    send(Sci::SCI_SETSEL, position, position);
}

void ScintillaBuffer::setSelLength(int length) {
    const long start = send(Sci::SCI_GETSELECTIONSTART);
    send(Sci::SCI_SETSEL, start, toPosition(toOffset(start) + qMax(length, 0)));
}

void ScintillaBuffer::select(int anchor, int caret) {
    send(Sci::SCI_SETSEL, toPosition(anchor), toPosition(caret));
}

int ScintillaBuffer::caretOffset() const {
    return toOffset(send(Sci::SCI_GETCURRENTPOS));
}

QString ScintillaBuffer::selText() const {
    return textRange(send(Sci::SCI_GETSELECTIONSTART), send(Sci::SCI_GETSELECTIONEND));
}

void ScintillaBuffer::setSelText(const QString& text) {
    const QByteArray bytes = toCrLf(text).toUtf8();
    const long start = send(Sci::SCI_GETSELECTIONSTART);
    const long end = send(Sci::SCI_GETSELECTIONEND);
    long after = start;
    if (start != end || !bytes.isEmpty()) {
        QuietChange quiet(m_editor);
        UndoGuard group(m_editor);
        after = replaceRange(start, end, bytes);
    }
    m_shownStyling->settle();
    send(Sci::SCI_SETSEL, after, after);
}

void ScintillaBuffer::selectAll() {
    send(Sci::SCI_SETSEL, 0, send(Sci::SCI_GETLENGTH));
}

int ScintillaBuffer::caretLine() const {
    return int(send(Sci::SCI_LINEFROMPOSITION, send(Sci::SCI_GETCURRENTPOS))) + 1;
}

int ScintillaBuffer::caretColumn() const {
    const long caret = send(Sci::SCI_GETCURRENTPOS);
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, send(Sci::SCI_LINEFROMPOSITION, caret));
    return int(send(Sci::SCI_COUNTCODEUNITS, lineStart, caret)) + 1;
}

int ScintillaBuffer::lineCount() const {
    return int(send(Sci::SCI_GETLINECOUNT));
}

QString ScintillaBuffer::line(int index) const {
    if (index < 0 || index >= lineCount())
        return QString();
    return textRange(send(Sci::SCI_POSITIONFROMLINE, index),
                     send(Sci::SCI_GETLINEENDPOSITION, index));
}

bool ScintillaBuffer::isModified() const {
    return m_forcedModified || send(Sci::SCI_GETMODIFY) != 0;
}

void ScintillaBuffer::setModified(bool modified) {
    m_forcedModified = modified;
    if (!modified)
        send(Sci::SCI_SETSAVEPOINT);
}

void ScintillaBuffer::undo() {
    {
        QuietChange quiet(m_editor);
        send(Sci::SCI_UNDO);
    }
    // The undone bytes went in unseen.
    m_lexerGuard->checkWhole();
    m_shownStyling->settle();
}

void ScintillaBuffer::setBookmark(int number, int line) {
    if (number < 0 || number >= BookmarkCount)
        return;
    send(Sci::SCI_MARKERDELETEALL, bookmarkMarker(number));
    if (line >= 0 && line < lineCount())
        send(Sci::SCI_MARKERADD, line, bookmarkMarker(number));
}

int ScintillaBuffer::bookmark(int number) const {
    if (number < 0 || number >= BookmarkCount)
        return -1;
    return int(send(Sci::SCI_MARKERNEXT, 0, 1L << bookmarkMarker(number)));
}

void ScintillaBuffer::clearBookmark(int number) {
    if (number >= 0 && number < BookmarkCount)
        send(Sci::SCI_MARKERDELETEALL, bookmarkMarker(number));
}

long ScintillaBuffer::send(unsigned int message, unsigned long wParam, long lParam) const {
    return m_editor->SendScintilla(message, wParam, lParam);
}

long ScintillaBuffer::replaceRange(long start, long end, QByteArrayView bytes) {
    send(Sci::SCI_SETTARGETRANGE, start, end);
    // An explicit length, so NUL characters are written too; the control wants a pointer even
    // for no text.
    m_editor->SendScintilla(Sci::SCI_REPLACETARGET, uintptr_t(bytes.size()),
                            bytes.isEmpty() ? "" : bytes.constData());
    const long after = send(Sci::SCI_GETTARGETEND);
    // Changes made here go without the control's notifications, and may be coloured next.
    m_lexerGuard->checkChanged(start, after);
    return after;
}

void ScintillaBuffer::highlightFrom(long position) {
    if (m_editor->lexer())
        send(Sci::SCI_COLOURISE,
             send(Sci::SCI_POSITIONFROMLINE, send(Sci::SCI_LINEFROMPOSITION, position)), -1);
}

QByteArrayView ScintillaBuffer::characters() const {
    const auto* bytes =
        static_cast<const char*>(m_editor->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return QByteArrayView(bytes, send(Sci::SCI_GETLENGTH));
}

QString ScintillaBuffer::textRange(long start, long end) const {
    if (end <= start)
        return QString();
    const auto* bytes =
        reinterpret_cast<const char*>(send(Sci::SCI_GETRANGEPOINTER, start, end - start));
    return QString::fromUtf8(bytes, end - start);
}

long ScintillaBuffer::toPosition(int offset) const {
    if (offset <= 0)
        return 0;
    const long total =
        send(Sci::SCI_INDEXPOSITIONFROMLINE, send(Sci::SCI_GETLINECOUNT), Utf16Index);
    if (offset >= total)
        return send(Sci::SCI_GETLENGTH);
    const long line = send(Sci::SCI_LINEFROMINDEXPOSITION, offset, Utf16Index);
    const long lineOffset = send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Utf16Index);
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, line);
    if (offset == lineOffset)
        return lineStart;
    const long wanted = offset - lineOffset;
    long position = send(Sci::SCI_POSITIONRELATIVECODEUNITS, lineStart, wanted);
    // Counting into the middle of a surrogate pair finds no position (reported as the line's
    // start or -1): the offset means the pair's start, one code unit earlier.
    if (position <= lineStart)
        position = send(Sci::SCI_POSITIONRELATIVECODEUNITS, lineStart, wanted - 1);
    // A line break is one place for the caret: an offset between its CR and LF means the CR.
    if (send(Sci::SCI_GETCHARAT, position) == '\n' &&
        send(Sci::SCI_GETCHARAT, position - 1) == '\r')
        return position - 1;
    return position;
}

int ScintillaBuffer::toOffset(long position) const {
    const long line = send(Sci::SCI_LINEFROMPOSITION, position);
    const long lineStart = send(Sci::SCI_POSITIONFROMLINE, line);
    return int(send(Sci::SCI_INDEXPOSITIONFROMLINE, line, Utf16Index) +
               send(Sci::SCI_COUNTCODEUNITS, lineStart, position));
}
