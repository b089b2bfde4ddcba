#include "editor/quiet_typing.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QTimer>

namespace {

using Sci = QsciScintillaBase;
constexpr long ChangesAhead = Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE;

} // namespace

QuietTyping::QuietTyping(QsciScintilla* editor)
    : QObject(editor), m_editor(editor),
      m_fullMask(editor->SendScintilla(Sci::SCI_GETMODEVENTMASK)) {
    connect(editor, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int, int modificationType) { changeAhead(modificationType); });
}

void QuietTyping::setActive(bool active) {
    active = active && !QAccessible::isActive();
    if (active == m_active)
        return;
    m_active = active;
    // The mask is matched against every bit of an event, the "performed by" ones included, so
    // only the two kinds told ahead may stay in it.
    m_editor->SendScintilla(Sci::SCI_SETMODEVENTMASK, active ? ChangesAhead : m_fullMask);
}

void QuietTyping::changeAhead(int modificationType) {
    if (!m_active || !(modificationType & ChangesAhead) || m_pending)
        return;
    m_pending = true;
    m_linesBefore = m_editor->SendScintilla(Sci::SCI_GETLINECOUNT);
    // Many changes of one key press or one undo step are told once, after the last of them.
    QTimer::singleShot(0, this, [this] {
        m_pending = false;
        emit m_editor->textChanged();
        if (m_editor->SendScintilla(Sci::SCI_GETLINECOUNT) != m_linesBefore)
            emit m_editor->linesChanged();
    });
}
