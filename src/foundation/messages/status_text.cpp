#include "foundation/messages/status_text.h"

#include <cmath>

QString formatCaretStatus(const QString& pattern, int line, int column) {
    static const QString placeholder = QStringLiteral("%3d");
    const int values[2] = {line, column};
    QString result;
    int from = 0;
    for (int value : values) {
        const int at = pattern.indexOf(placeholder, from);
        if (at < 0)
            break;
        result += pattern.mid(from, at - from) + QStringLiteral("%1").arg(value, 3);
        from = at + placeholder.size();
    }
    return result + pattern.mid(from);
}

QSize initialWindowSize(QSize screen, QSize current) {
    QSize size = current;
    if (screen.width() > 1000) {
        size.setWidth(1000);
        if (screen.height() > 700)
            size.setHeight(700);
    }
    if (screen.width() > 1200)
        size.setWidth(1150);
    if (screen.height() > 800)
        size.setHeight(800);
    return size;
}

int rightEdgeColumn(int editorWidthPixels) {
    // Rounds half to even, as the column was first computed.
    return static_cast<int>(std::nearbyint(editorWidthPixels / 10.0)) + 10;
}
