#pragma once

#include <QObject>

class QsciScintilla;

// Colours a large document only where it is shown. The control styles every byte from the
// start of the document up to the last line it shows, so the first look at the end of 50 MB
// runs the lexer over all of it. While active, the control is told that everything is styled;
// this styles the shown lines itself, continuing the styled stretch when the view moves on a
// little, and otherwise starting the lexer afresh at a nearby line outside comments, scripts
// and tags.
class ShownStyling : public QObject {
public:
    explicit ShownStyling(QsciScintilla* editor);

    void setActive(bool active);
    bool isActive() const { return m_active; }
    // To be told after a change made while the control's change notifications were off.
    void settle();
    // Styles the document lines from first to last, both included.
    void styleLines(long first, long last);

private:
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    void styleShown();
    void colourise(long start, long end);
    long restartBefore(long position) const;
    void markAllStyled();
    bool atRest(long position) const;

    QsciScintilla* m_editor;
    bool m_active = false;
    bool m_settlePending = false;
    // The stretch whose colours are known right: from a line start where the lexer began
    // afresh (or the document's start) up to a line start.
    long m_styledStart = 0;
    long m_styledEnd = 0;
};
