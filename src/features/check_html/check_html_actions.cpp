#include "features/check_html/check_html_actions.h"

#include "editor/undo_guard.h"
#include "features/check_html/check_report_dialog.h"
#include "features/check_html/code_check.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/ui_text.h"
#include "widgets/busy_cursor.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProgressDialog>

namespace {

const UiText CheckingLabel{"HTML wird geprüft …", "Checking HTML …"};

// Shown once the check has taken a second. It is application-modal and only lets events through
// once it shows, so no window can change the document under the check, which cannot be
// cancelled.
class CheckProgress {
public:
    CheckProgress(QWidget* window, UiLanguage language)
        : m_dialog(CheckingLabel.in(language), QString(), 0, 1, window) {
        m_dialog.setObjectName(QStringLiteral("checkProgress"));
        m_dialog.setWindowTitle(window ? window->windowTitle() : QString());
        m_dialog.setCancelButton(nullptr);
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setMinimumDuration(1000);
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        m_dialog.setValue(0);
    }

    void operator()(int done, int total) {
        m_dialog.setMaximum(total);
        m_dialog.setValue(done);
    }

private:
    QProgressDialog m_dialog;
};

} // namespace

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
    const UiLanguage language = m_context.uiLanguage();
    CodeCheckOutcome outcome;
    {
        // The report comes after the hourglass and the progress have gone. Rewrite and
        // generator element undo as one step.
        BusyCursor busy;
        CheckProgress progress(m_context.window(), language);
        UndoGuard group(m_context.editor());
        outcome = runCodeCheck(m_context.buffer(), m_context.messages(),
                               [&progress](int done, int total) { progress(done, total); });
    }
    CheckReportDialog report(codeCheckReport(outcome, m_context.messages(), language), language,
                             m_context.window());
    report.exec();
    m_context.buffer().setModified(true);
}
