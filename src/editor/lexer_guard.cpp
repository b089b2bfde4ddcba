#include "editor/lexer_guard.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

using Sci = QsciScintillaBase;

namespace {

bool isEntityByte(char c) {
    const char lower = char(c | 0x20);
    return (lower >= 'a' && lower <= 'z') || (c >= '0' && c <= '9') || c == '#' || c == '.' ||
           c == '-' || c == '_' || c == ':';
}

} // namespace

bool entityRunsIntoDeclaration(QByteArrayView text) {
    // Each search goes on behind the run it looked at: one pass over the text.
    for (qsizetype at = text.indexOf('&'); at >= 0; at = text.indexOf('&', at)) {
        qsizetype end = at + 1;
        while (end < text.size() && isEntityByte(text[end]))
            ++end;
        if (end + 1 < text.size() && text[end] == '<' && text[end + 1] == '!')
            return true;
        at = end;
    }
    return false;
}

LexerGuard::LexerGuard(QsciScintilla* editor) : QObject(editor), m_editor(editor) {
    connect(editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char*, int length) {
                changed(position, type, length);
            });
}

void LexerGuard::changed(int position, int type, int length) {
    if (m_tripped)
        return;
    if (type & Sci::SC_MOD_INSERTTEXT) {
        checkChanged(position, long(position) + length);
    } else if (type & Sci::SC_MOD_DELETETEXT) {
        checkChanged(position, position);
    } else if ((type & (Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE)) &&
               !(m_editor->SendScintilla(Sci::SCI_GETMODEVENTMASK) & Sci::SC_MOD_INSERTTEXT)) {
        // Told only ahead: the change is not made yet.
        const long end = (type & Sci::SC_MOD_BEFOREINSERT) ? long(position) + length : position;
        if (m_pendingChanges++ == 0) {
            m_pendingStart = position;
            m_pendingEnd = end;
            QMetaObject::invokeMethod(this, &LexerGuard::checkPending, Qt::QueuedConnection);
        }
    }
}

void LexerGuard::checkPending() {
    const int changes = std::exchange(m_pendingChanges, 0);
    // Where one change moved the text of another, their places are no longer known.
    if (changes == 1)
        checkChanged(m_pendingStart, m_pendingEnd);
    else
        checkWhole();
}

char LexerGuard::charAt(long position) const {
    return char(m_editor->SendScintilla(Sci::SCI_GETCHARAT, position));
}

void LexerGuard::checkChanged(long start, long end) {
    if (m_tripped)
        return;
    // Text away from the change was looked at before: only a run through it is new. It begins
    // at an "&" left of the change (behind entity characters and perhaps the "<") and ends two
    // bytes after the entity characters right of it.
    const long length = m_editor->SendScintilla(Sci::SCI_GETLENGTH);
    start = std::clamp(start, 0L, length);
    end = std::clamp(end, start, length);
    long from = start;
    if (from > 0 && charAt(from - 1) == '<')
        --from;
    while (from > 0 && isEntityByte(charAt(from - 1)))
        --from;
    if (from > 0 && charAt(from - 1) == '&')
        --from;
    long to = end;
    while (to < length && isEntityByte(charAt(to)))
        ++to;
    to = std::min(length, to + 2);
    if (to <= from)
        return;
    // The control gives the range in one piece, moving its gap out of it: around a change only
    // a little, and for the whole text to the end, where typing after a load wants it.
    const auto* bytes =
        from == 0 && to == length
            ? static_cast<const char*>(
                  m_editor->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER))
            : reinterpret_cast<const char*>(m_editor->SendScintilla(
                  Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
    if (entityRunsIntoDeclaration(QByteArrayView(bytes, to - from)))
        trip();
}

void LexerGuard::checkWhole() {
    checkChanged(0, m_editor->SendScintilla(Sci::SCI_GETLENGTH));
}

void LexerGuard::trip() {
    m_tripped = true;
    if (tripped)
        tripped();
}
