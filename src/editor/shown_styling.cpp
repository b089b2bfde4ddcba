#include "editor/shown_styling.h"

#include "editor/restart_point.h"

#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QTimer>

namespace {

using Sci = QsciScintillaBase;

constexpr long ChangesAhead = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;
// Styling on from the styled stretch is exact; beyond this distance a fresh start near the
// shown lines costs less.
constexpr long ContinueReach = 128 * 1024;
// How far back a fresh start looks for constructs still open, which bounds what one look
// lexes: a comment or script longer than this, or an opener never closed further back, is not
// seen.
constexpr long RestartReach = 128 * 1024;
// The HTML lexer's state at the start of a document: HTML, no tag open, scripts JavaScript.
constexpr long MarkupStartState = (1 << 8) | (1 << 4);

} // namespace

ShownStyling::ShownStyling(QsciScintilla* editor) : QObject(editor), m_editor(editor) {
    connect(editor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) { styleShown(); });
    // Also after paints no update was told for, such as a larger window.
    connect(editor, &QsciScintillaBase::SCN_PAINTED, this, [this] { styleShown(); });
    connect(editor, &QsciScintillaBase::SCN_MODIFIED, this, [this](int, int modificationType) {
        if (!m_active || !(modificationType & ChangesAhead) || m_settlePending)
            return;
        // The control marks the document unstyled from the change on; it must not style all
        // of that by itself on the next jump.
        m_settlePending = true;
        QTimer::singleShot(0, this, [this] {
            m_settlePending = false;
            if (m_active)
                settle();
        });
    });
}

void ShownStyling::setActive(bool active) {
    m_styledStart = m_styledEnd = 0;
    if (active == m_active)
        return;
    m_active = active;
    if (active)
        markAllStyled();
    else
        send(Sci::SCI_STARTSTYLING, 0, 0);
}

void ShownStyling::settle() {
    if (!m_active)
        return;
    const long length = send(Sci::SCI_GETLENGTH);
    const long endStyled = send(Sci::SCI_GETENDSTYLED);
    if (endStyled < length) {
        // The control lowers its styled end to every change, and may have styled on from
        // there to what it shows, continuing the stretch.
        if (endStyled < m_styledStart)
            m_styledStart = m_styledEnd = 0;
        else if (endStyled < m_styledEnd)
            m_styledEnd =
                send(Sci::SCI_POSITIONFROMLINE, send(Sci::SCI_LINEFROMPOSITION, endStyled));
        markAllStyled();
    }
    m_styledEnd = qMin(m_styledEnd, length);
    m_styledStart = qMin(m_styledStart, m_styledEnd);
}

void ShownStyling::styleShown() {
    if (!m_active || !m_editor->lexer())
        return;
    settle();
    const long firstShown = send(Sci::SCI_GETFIRSTVISIBLELINE);
    const long onScreen = send(Sci::SCI_LINESONSCREEN);
    const long first = send(Sci::SCI_DOCLINEFROMVISIBLE, firstShown);
    const long last = send(Sci::SCI_DOCLINEFROMVISIBLE, firstShown + onScreen);
    styleLines(first, last);
}

void ShownStyling::styleLines(long first, long last) {
    if (!m_active || !m_editor->lexer())
        return;
    settle();
    const long lines = send(Sci::SCI_GETLINECOUNT);
    const long start = send(Sci::SCI_POSITIONFROMLINE, qBound(0L, first, lines - 1));
    const long end =
        last + 1 < lines ? send(Sci::SCI_POSITIONFROMLINE, last + 1) : send(Sci::SCI_GETLENGTH);
    if (start >= end || (m_styledStart <= start && end <= m_styledEnd))
        return;
    const bool styled = m_styledEnd > m_styledStart;
    if (styled && m_styledStart <= start && start <= m_styledEnd + ContinueReach) {
        colourise(m_styledEnd, end);
        m_styledEnd = qMax(m_styledEnd, end);
        return;
    }
    const long restart = restartBefore(start);
    if (styled && m_styledStart <= restart && restart <= m_styledEnd) {
        colourise(m_styledEnd, end);
        m_styledEnd = end;
        return;
    }
    if (restart > 0) {
        // The lexer reads where it stands from the line before and the byte before.
        const long line = send(Sci::SCI_LINEFROMPOSITION, restart);
        const bool markup = qobject_cast<QsciLexerHTML*>(m_editor->lexer()) != nullptr;
        send(Sci::SCI_SETLINESTATE, line - 1, markup ? MarkupStartState : 0);
        send(Sci::SCI_STARTSTYLING, restart - 1, 0);
        send(Sci::SCI_SETSTYLING, 1, 0);
    }
    colourise(restart, end);
    // A stretch further on, styled from a fresh start, goes on unchanged where the lexer now
    // reaches its start at rest.
    if (styled && restart < m_styledStart && m_styledStart <= end && atRest(m_styledStart))
        m_styledEnd = qMax(m_styledEnd, end);
    else
        m_styledEnd = end;
    m_styledStart = restart;
}

long ShownStyling::send(unsigned int message, unsigned long wParam, long lParam) const {
    return m_editor->SendScintilla(message, wParam, lParam);
}

void ShownStyling::colourise(long start, long end) {
    if (start < end)
        send(Sci::SCI_COLOURISE, start, end);
    markAllStyled();
}

long ShownStyling::restartBefore(long position) const {
    const long from = qMax(0L, position - RestartReach);
    if (position <= from)
        return position;
    const auto* bytes =
        reinterpret_cast<const char*>(send(Sci::SCI_GETRANGEPOINTER, from, position - from));
    const RestartRules rules =
        qobject_cast<QsciLexerHTML*>(m_editor->lexer()) ? RestartRules::Markup : RestartRules::Code;
    return from + restartPoint(QByteArrayView(bytes, position - from), rules);
}

void ShownStyling::markAllStyled() {
    // Styling "ends" at the document's end, so the control styles nothing by itself.
    send(Sci::SCI_STARTSTYLING, send(Sci::SCI_GETLENGTH), 0);
}

bool ShownStyling::atRest(long position) const {
    if (position <= 0)
        return true;
    const long line = send(Sci::SCI_LINEFROMPOSITION, position);
    const bool markup = qobject_cast<QsciLexerHTML*>(m_editor->lexer()) != nullptr;
    return send(Sci::SCI_GETSTYLEAT, position - 1) == 0 &&
           send(Sci::SCI_GETLINESTATE, line - 1) == (markup ? MarkupStartState : 0);
}
