#pragma once

#include <Qsci/qsciscintillabase.h>

// Groups every change made during its lifetime into one undo step of the editor; an early
// return or exception cannot leave the group open.
class UndoGuard {
public:
    explicit UndoGuard(QsciScintillaBase* editor) : m_editor(editor) {
        m_editor->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    }
    ~UndoGuard() { m_editor->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION); }

    UndoGuard(const UndoGuard&) = delete;
    UndoGuard& operator=(const UndoGuard&) = delete;

private:
    QsciScintillaBase* m_editor;
};
