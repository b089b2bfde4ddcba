#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The four panels of the status bar: caret, selection start, word wrap, file name. A hint
// shown by the window covers them while it lasts.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    explicit StatusPanels(QStatusBar* bar);

    void setCaret(const QString& text);
    void setSelStart(int offset);
    void setWordWrap(const QString& text);
    void setFileName(const QString& path);

    QLabel* panel(int index) const { return m_panels[index]; }

private:
    QLabel* m_panels[4];
};
