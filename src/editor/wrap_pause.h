#pragma once

#include <Qsci/qsciscintillabase.h>

// The control wraps each changed or restyled line as soon as it changes, which turns a change
// of a whole large document into minutes. With wrapping paused the change stays linear and
// the lines are wrapped later, as they come into view.
class WrapPause {
public:
    explicit WrapPause(QsciScintillaBase* editor)
        : m_editor(editor), m_mode(editor->SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE)) {
        if (m_mode != QsciScintillaBase::SC_WRAP_NONE)
            m_editor->SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                                    long(QsciScintillaBase::SC_WRAP_NONE));
    }
    ~WrapPause() {
        if (m_mode != QsciScintillaBase::SC_WRAP_NONE)
            m_editor->SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE, m_mode);
    }
    WrapPause(const WrapPause&) = delete;
    WrapPause& operator=(const WrapPause&) = delete;

private:
    QsciScintillaBase* m_editor;
    long m_mode;
};
