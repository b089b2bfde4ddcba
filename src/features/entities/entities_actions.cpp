#include "features/entities/entities_actions.h"

#include "features/entities/entities.h"
#include "features/entities/special_characters_dialog.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QMenu>

EntitiesActions::EntitiesActions(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_specialCharacters(new SpecialCharactersDialog(m_context.window())) {
    // German captions are the built-in ones; the language switch rewrites them.
    struct Item {
        const char* name;
        const char* caption;
        int captionLine;
        void (EntitiesActions::*handler)();
    };
    const Item items[] = {
        {"replaceUmlautsItem", "Umlaute ersetzen", 165, &EntitiesActions::replaceUmlauts},
        {"characterReferenceItem", "Zeichencode erstellen", 166,
         &EntitiesActions::makeCharacterReference},
        {"specialCharactersItem", "Sonderzeichen", 208, &EntitiesActions::showSpecialCharacters},
        {"javaScriptStringItem", "JavaScript-Stringvariable erstellen", 168,
         &EntitiesActions::makeJavaScriptString},
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

void EntitiesActions::replaceUmlauts() {
    replaceUmlautsInDocument(m_context.buffer());
}

void EntitiesActions::makeCharacterReference() {
    replaceSelectionByCharacterReference(m_context.commandContext());
}

void EntitiesActions::showSpecialCharacters() {
    m_specialCharacters->setLanguage(m_context.uiLanguage());
    m_specialCharacters->exec();
    insertSpecialCode(m_context.buffer(), m_specialCharacters->result());
}

void EntitiesActions::makeJavaScriptString() {
    replaceSelectionByJavaScriptString(m_context.buffer());
}
