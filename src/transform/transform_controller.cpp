#include "transform/transform_controller.h"

#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/prompter.h"
#include "transform/hyphenation.h"
#include "transform/letter_case.h"
#include "transform/line_feeds.h"

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

TransformController::TransformController(TMainForm& window) : QObject(&window), m_window(window) {
    QMenu* menu = window.actions().editMenu;
    menu->addSeparator();
    // German captions are the built-in ones; the language switch rewrites them by name.
    const struct {
        const char* name;
        const char* german;
        void (TransformController::*handler)();
    } items[] = {
        {"NoLineFeed1", "Zeilenumbrüche entfernen", &TransformController::NoLineFeed1Click},
        {"InsertLineFeeds1", "Zeilenumbrüche einfügen",
         &TransformController::InsertLineFeeds1Click},
        {"RemoveHyphenation1", "Silbentrennung entfernen",
         &TransformController::RemoveHyphenation1Click},
        {"UppertoLower1", "Groß- zu Kleinschreibung", &TransformController::UppertoLower1Click},
        {"LowertoUpper1", "Klein- zu Großschreibung", &TransformController::LowertoUpper1Click},
    };
    for (const auto& item : items) {
        QAction* action = menu->addAction(QString::fromUtf8(item.german));
        action->setObjectName(QLatin1String(item.name));
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void TransformController::NoLineFeed1Click() {
    BusyCursor busy;
    RemoveLineFeedsCommand(m_window.commandContext());
}

void TransformController::InsertLineFeeds1Click() {
    BusyCursor busy;
    InsertLineFeedsCommand(m_window.commandContext());
}

void TransformController::RemoveHyphenation1Click() {
    int count = 0;
    {
        BusyCursor busy;
        count = RemoveHyphenationFromEditor(m_window.buffer());
    }
    m_window.prompter().message(hyphenCountMessage(count, m_window.messages()));
}

void TransformController::UppertoLower1Click() {
    UpperToLowerCommand(m_window.commandContext());
}

void TransformController::LowertoUpper1Click() {
    LowerToUpperCommand(m_window.commandContext());
}
