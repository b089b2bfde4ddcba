#include "features/text_transforms/transform_actions.h"

#include "features/text_transforms/hyphenation.h"
#include "features/text_transforms/letter_case.h"
#include "features/text_transforms/line_feeds.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"
#include "widgets/work_progress.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

TransformActions::TransformActions(FeatureContext& context)
    : QObject(&context), m_context(context) {
    QMenu* menu = m_context.menus().edit;
    menu->addSeparator();
    // German captions are the built-in ones; the language switch rewrites them from the
    // message lines.
    const struct {
        const char* name;
        const char* german;
        int captionLine;
        void (TransformActions::*handler)();
    } items[] = {
        {"removeLineFeedsItem", "Zeilenumbrüche entfernen", 152,
         &TransformActions::removeLineFeeds},
        {"insertLineFeedsItem", "Zeilenumbrüche einfügen", 153, &TransformActions::insertLineFeeds},
        {"removeHyphenationItem", "Silbentrennung entfernen", 154,
         &TransformActions::removeHyphenation},
        {"upperToLowerItem", "Groß- zu Kleinschreibung", 155, &TransformActions::upperToLower},
        {"lowerToUpperItem", "Klein- zu Großschreibung", 156, &TransformActions::lowerToUpper},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.german));
        action->setObjectName(QLatin1String(item.name));
        m_context.captionFromMessage(action, item.captionLine);
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void TransformActions::removeLineFeeds() {
    WorkProgress progress(m_context);
    removeLineFeedsCommand(m_context.commandContext());
}

void TransformActions::insertLineFeeds() {
    WorkProgress progress(m_context);
    insertLineFeedsCommand(m_context.commandContext());
}

void TransformActions::removeHyphenation() {
    int count = 0;
    {
        WorkProgress progress(m_context);
        count = removeHyphenationFromEditor(m_context.buffer());
    }
    m_context.prompter().message(hyphenCountMessage(count, m_context.messages()));
}

void TransformActions::upperToLower() {
    WorkProgress progress(m_context);
    upperToLowerCommand(m_context.commandContext());
}

void TransformActions::lowerToUpper() {
    WorkProgress progress(m_context);
    lowerToUpperCommand(m_context.commandContext());
}
