#pragma once

#include <QObject>

class QsciScintilla;

// QScintilla answers every insertion and deletion by counting the characters from the start of
// the document for assistive technology: most of a second per key press, and minutes for the
// undo of a rewrite, at the end of a 50 MB document. While active (a large document and no
// assistive technology listening), the control reports a change only before it happens, and
// the editor's textChanged and linesChanged follow once the event loop turns.
class QuietTyping : public QObject {
public:
    explicit QuietTyping(QsciScintilla* editor);

    void setActive(bool active);
    bool isActive() const { return m_active; }

private:
    void changeAhead(int modificationType);

    QsciScintilla* m_editor;
    long m_fullMask;
    bool m_active = false;
    bool m_pending = false;
    long m_linesBefore = 0;
};
