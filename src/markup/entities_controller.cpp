#include "markup/entities_controller.h"

#include "app/main_actions.h"
#include "app/main_window.h"
#include "markup/entities.h"
#include "markup/special_dialog.h"

#include <QAction>
#include <QMenu>

EntitiesController::EntitiesController(TMainForm& window)
    : QObject(&window), m_window(window), m_special(new TFormSpecial(&window)) {
    // German captions are the built-in ones; the language switch rewrites them.
    struct Item {
        const char* name;
        const char* caption;
        void (EntitiesController::*handler)();
    };
    const Item items[] = {
        {"Replace3", "Ersetze Umlaute...", &EntitiesController::Replace3Click},
        {"MakeEntitie1", "Zeichencode erstellen", &EntitiesController::MakeEntitie1Click},
        {"Sonderzeichen1", "Sonderzeichen", &EntitiesController::Sonderzeichen1Click},
        {"MakeStringVariable1", "Erstelle Javascript String Variable",
         &EntitiesController::MakeStringVariable1Click},
    };
    QMenu* html = window.actions().htmlMenu;
    html->addSeparator();
    for (const Item& item : items) {
        QAction* action = html->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void EntitiesController::Replace3Click() {
    ReplaceUmlautsCommand(m_window.buffer());
}

void EntitiesController::MakeEntitie1Click() {
    MakeEntitieCommand(m_window.commandContext());
}

void EntitiesController::Sonderzeichen1Click() {
    m_special->Language = m_window.uiLanguage();
    m_special->exec();
    InsertSpecialCode(m_window.buffer(), m_special->sCode);
}

void EntitiesController::MakeStringVariable1Click() {
    MakeStringVariableCommand(m_window.buffer());
}
