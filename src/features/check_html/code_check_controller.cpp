#include "features/check_html/code_check_controller.h"

#include "editor/undo_guard.h"
#include "features/check_html/code_check.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

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

CodeCheckController::CodeCheckController(FeatureContext& context)
    : QObject(&context), m_context(context) {
    // The German caption is the built-in one; the language switch rewrites it by name.
    QAction* item = m_context.menus().html->addAction(themedIcon(QStringLiteral("hx-check-html")),
                                                      QStringLiteral("Prüfe HTML"));
    item->setObjectName(QStringLiteral("Paragraph1"));
    m_context.captionFromMessage(item, 167);
    item->setShortcut(QKeySequence(Qt::Key_F9));
    connect(item, &QAction::triggered, this, &CodeCheckController::Paragraph1Click);
}

void CodeCheckController::Paragraph1Click() {
    CodeCheckOutcome outcome;
    {
        // The rewrite of a large page takes a moment; the report box comes after the
        // hourglass has gone. Rewrite and generator element undo as one step.
        BusyCursor busy;
        UndoGuard group(m_context.editor());
        outcome = RunCodeCheck(m_context.buffer(), m_context.messages());
    }
    FinishCodeCheck(m_context.commandContext(), outcome, m_context.uiLanguage());
}
