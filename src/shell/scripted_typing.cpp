#include "shell/scripted_typing.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

void typeScriptedKeys(QWidget* editor) {
    const QString text = qEnvironmentVariable("HEXLUME_TYPE_KEYS");
    for (const QChar c : text) {
        const bool newline = c == u'\n';
        const int key =
            newline ? int(Qt::Key_Return) : (c.unicode() < 0x80 ? int(c.toUpper().unicode()) : 0);
        const QString typed = newline ? QStringLiteral("\r") : QString(c);
        QCoreApplication::postEvent(editor,
                                    new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, typed));
        QCoreApplication::postEvent(editor,
                                    new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, typed));
    }
}
