#pragma once

#include <QByteArrayView>
#include <QObject>

#include <functional>

class QsciScintilla;

// Whether the UTF-8 text holds an "&", entity characters (letters, digits, "#", ".", "-", "_",
// ":") and then "<!". The control's HTML lexer, as this system ships it, stops the whole
// program on such text: an assertion left switched on in the library.
bool entityRunsIntoDeclaration(QByteArrayView text);

// Keeps that text away from the HTML lexer: looks at every change as soon as it is made, before
// the control colours it, and reports the first that brings such text into the document, so
// the colouring can be switched off in time. Armed again for each newly loaded text.
class LexerGuard : public QObject {
public:
    explicit LexerGuard(QsciScintilla* editor);

    // Called once, when the document first holds such text.
    std::function<void()> tripped;

    // After the bytes from start to end were put in; changes made with the control's
    // notifications off must say so here, before anything colours them.
    void checkChanged(long start, long end);
    void checkWhole();
    void rearm() { m_tripped = false; }
    bool isTripped() const { return m_tripped; }

private:
    void changed(int position, int type, int length);
    void checkPending();
    void trip();
    char charAt(long position) const;

    QsciScintilla* m_editor;
    bool m_tripped = false;
    // Changes told only ahead (large documents), looked at once the event loop turns: before
    // the repaint, which Qt posts with low priority.
    int m_pendingChanges = 0;
    long m_pendingStart = 0;
    long m_pendingEnd = 0;
};
