#include "shell/status_panels.h"

#include <QLabel>
#include <QStatusBar>

StatusPanels::StatusPanels(QStatusBar* bar) : QObject(bar) {
    static const int widths[4] = {120, 120, 60, 120};
    static const char* const names[4] = {"caretPanel", "selectionStartPanel", "wordWrapPanel",
                                         "fileNamePanel"};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QLatin1String(names[i]));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(widths[i]);
        // The caret panel grows for longer translations; the others keep their width.
        if (i == 1 || i == 2)
            label->setFixedWidth(widths[i]);
        if (i == 1)
            label->setAlignment(Qt::AlignCenter);
        // The file name panel takes the rest of the bar, so long paths stay readable.
        bar->addWidget(label, i == 3 ? 1 : 0);
        m_panels[i] = label;
    }
}

void StatusPanels::setCaret(const QString& text) {
    m_panels[0]->setText(text);
}

void StatusPanels::setSelStart(int offset) {
    if (offset >= 0)
        m_panels[1]->setText(QString::number(offset));
}

void StatusPanels::setWordWrap(const QString& text) {
    m_panels[2]->setText(text);
}

void StatusPanels::setFileName(const QString& path) {
    m_panels[3]->setText(path);
    m_panels[3]->setToolTip(path);
}
