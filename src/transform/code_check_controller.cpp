#include "transform/code_check_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "editor/undo_guard.h"
#include "transform/code_check.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

CodeCheckController::CodeCheckController(TMainForm& window) : QObject(&window), m_window(window) {
    // The German caption is the built-in one; the language switch rewrites it by name.
    QAction* item = window.actions().htmlMenu->addAction(
        themedIcon(QStringLiteral("hx-check-html")), QStringLiteral("Prüfe HTML"));
    item->setObjectName(QStringLiteral("Paragraph1"));
    item->setShortcut(QKeySequence(Qt::Key_F9));
    connect(item, &QAction::triggered, this, &CodeCheckController::Paragraph1Click);
}

void CodeCheckController::Paragraph1Click() {
    CodeCheckOutcome outcome;
    {
        // The rewrite of a large page takes a moment; the report box comes after the
        // hourglass has gone. Rewrite and generator element undo as one step.
        BusyCursor busy;
        UndoGuard group(m_window.SynMemo1());
        outcome = RunCodeCheck(m_window.buffer(), m_window.messages());
    }
    FinishCodeCheck(m_window.commandContext(), outcome, m_window.uiLanguage());
}
