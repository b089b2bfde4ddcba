#include "features/check_html/check_html_actions.h"

#include "editor/undo_guard.h"
#include "features/check_html/code_check.h"
#include "widgets/busy_cursor.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QMenu>

CheckHtmlActions::CheckHtmlActions(FeatureContext& context)
    : QObject(&context), m_context(context) {
    // The German caption is the built-in one; the language switch rewrites it from the
    // message table.
    QAction* item = m_context.menus().html->addAction(themedIcon(QStringLiteral("hx-check-html")),
                                                      QStringLiteral("Prüfe HTML"));
    item->setObjectName(QStringLiteral("checkHtmlItem"));
    m_context.captionFromMessage(item, 167);
    item->setShortcut(QKeySequence(Qt::Key_F9));
    connect(item, &QAction::triggered, this, &CheckHtmlActions::checkHtml);
}

void CheckHtmlActions::checkHtml() {
    CodeCheckOutcome outcome;
    {
        // The rewrite of a large page takes a moment; the report box comes after the
        // hourglass has gone. Rewrite and generator element undo as one step.
        BusyCursor busy;
        UndoGuard group(m_context.editor());
        outcome = runCodeCheck(m_context.buffer(), m_context.messages());
    }
    finishCodeCheck(m_context.commandContext(), outcome, m_context.uiLanguage());
}
