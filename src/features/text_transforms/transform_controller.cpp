#include "features/text_transforms/transform_controller.h"

#include "features/text_transforms/hyphenation.h"
#include "features/text_transforms/letter_case.h"
#include "features/text_transforms/line_feeds.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {

// A whole-document rewrite of a large page takes a moment.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

TransformController::TransformController(FeatureContext& context)
    : QObject(&context), m_context(context) {
    QMenu* menu = m_context.menus().edit;
    menu->addSeparator();
    // German captions are the built-in ones; the language switch rewrites them by name.
    const struct {
        const char* name;
        const char* german;
        int captionLine;
        void (TransformController::*handler)();
    } items[] = {
        {"NoLineFeed1", "Zeilenumbrüche entfernen", 152, &TransformController::NoLineFeed1Click},
        {"InsertLineFeeds1", "Zeilenumbrüche einfügen", 153,
         &TransformController::InsertLineFeeds1Click},
        {"RemoveHyphenation1", "Silbentrennung entfernen", 154,
         &TransformController::RemoveHyphenation1Click},
        {"UppertoLower1", "Groß- zu Kleinschreibung", 155,
         &TransformController::UppertoLower1Click},
        {"LowertoUpper1", "Klein- zu Großschreibung", 156,
         &TransformController::LowertoUpper1Click},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.german));
        action->setObjectName(QLatin1String(item.name));
        m_context.captionFromMessage(action, item.captionLine);
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void TransformController::NoLineFeed1Click() {
    BusyCursor busy;
    RemoveLineFeedsCommand(m_context.commandContext());
}

void TransformController::InsertLineFeeds1Click() {
    BusyCursor busy;
    InsertLineFeedsCommand(m_context.commandContext());
}

void TransformController::RemoveHyphenation1Click() {
    int count = 0;
    {
        BusyCursor busy;
        count = RemoveHyphenationFromEditor(m_context.buffer());
    }
    m_context.prompter().message(hyphenCountMessage(count, m_context.messages()));
}

void TransformController::UppertoLower1Click() {
    UpperToLowerCommand(m_context.commandContext());
}

void TransformController::LowertoUpper1Click() {
    LowerToUpperCommand(m_context.commandContext());
}
