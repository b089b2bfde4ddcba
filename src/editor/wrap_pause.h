#pragma once

#include <Qsci/qsciscintillabase.h>

// The control wraps each changed or restyled line as soon as it changes, which turns a change
// of a whole large document into minutes. With wrapping paused the change stays linear and
// the lines are wrapped later, as they come into view.
class WrapPause {
public:
    explicit WrapPause(QsciScintillaBase* editor)
        : editor_(editor), mode_(editor->SendScintilla(QsciScintillaBase::SCI_GETWRAPMODE)) {
        if (mode_ != QsciScintillaBase::SC_WRAP_NONE)
            editor_->SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE,
                                   long(QsciScintillaBase::SC_WRAP_NONE));
    }
    ~WrapPause() {
        if (mode_ != QsciScintillaBase::SC_WRAP_NONE)
            editor_->SendScintilla(QsciScintillaBase::SCI_SETWRAPMODE, mode_);
    }
    WrapPause(const WrapPause&) = delete;
    WrapPause& operator=(const WrapPause&) = delete;

private:
    QsciScintillaBase* editor_;
    long mode_;
};
