#include "features/entities/entities_controller.h"

#include "features/entities/entities.h"
#include "features/entities/special_dialog.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QMenu>

EntitiesController::EntitiesController(FeatureContext& context)
    : QObject(&context), m_context(context), m_special(new TFormSpecial(m_context.window())) {
    // German captions are the built-in ones; the language switch rewrites them.
    struct Item {
        const char* name;
        const char* caption;
        int captionLine;
        void (EntitiesController::*handler)();
    };
    const Item items[] = {
        {"Replace3", "Ersetze Umlaute...", 165, &EntitiesController::Replace3Click},
        {"MakeEntitie1", "Zeichencode erstellen", 166, &EntitiesController::MakeEntitie1Click},
        {"Sonderzeichen1", "Sonderzeichen", 208, &EntitiesController::Sonderzeichen1Click},
        {"MakeStringVariable1", "Erstelle Javascript String Variable", 168,
         &EntitiesController::MakeStringVariable1Click},
    };
    QMenu* html = m_context.menus().html;
    html->addSeparator();
    for (const Item& item : items) {
        QAction* action = html->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        m_context.captionFromMessage(action, item.captionLine);
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void EntitiesController::Replace3Click() {
    ReplaceUmlautsCommand(m_context.buffer());
}

void EntitiesController::MakeEntitie1Click() {
    MakeEntitieCommand(m_context.commandContext());
}

void EntitiesController::Sonderzeichen1Click() {
    m_special->Language = m_context.uiLanguage();
    m_special->exec();
    InsertSpecialCode(m_context.buffer(), m_special->sCode);
}

void EntitiesController::MakeStringVariable1Click() {
    MakeStringVariableCommand(m_context.buffer());
}
