#include "app/language_applier.h"

#include "app/captions.h"
#include "app/messages.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

void setCaption(QWidget* window, const char* name, const QString& text) {
    const QString objectName = QLatin1String(name);
    if (auto* menu = window->findChild<QMenu*>(objectName)) {
        menu->setTitle(text);
        return;
    }
    if (auto* action = window->findChild<QAction*>(objectName))
        action->setText(text);
}

void setHint(QWidget* window, const char* name, const QString& text) {
    if (auto* action = window->findChild<QAction*>(QLatin1String(name))) {
        action->setText(text);
        action->setToolTip(text);
        action->setStatusTip(text);
    }
}

} // namespace

void applyCaptions(QWidget* window, const MessageTable& table) {
    for (const CaptionAssignment& a : captionAssignments()) {
        const QString text = table.message(a.line);
        if (a.kind == CaptionKind::Caption)
            setCaption(window, a.objectName, text);
        else
            setHint(window, a.objectName, text);
    }
    for (int n = 0; n < 10; ++n) {
        const QString caption = bookmarkItemCaption(table, n);
        for (const char* prefix : {"SetBookmark", "GotoBookmark"})
            if (auto* action =
                    window->findChild<QAction*>(QLatin1String(prefix) + QString::number(n)))
                action->setText(caption);
    }
}
