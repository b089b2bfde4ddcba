#include "features/scratch_window/scratch_actions.h"

#include "features/scratch_window/scratch_window.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>

ScratchActions::ScratchActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_scratchWindow(new ScratchWindow(context.window())) {
    ScratchWindow& scratch = *m_scratchWindow;
    Prompter& prompter = m_context.prompter();
    scratch.chooseOpenFile = [&prompter](const QString& folder) {
        return prompter.chooseOpenFile(folder, QString());
    };
    scratch.chooseSaveFile = [&prompter](const QString& proposed) {
        return prompter.chooseSaveFile(proposed.isEmpty() ? QDir::homePath() : QString(), proposed,
                                       QString());
    };
    scratch.showError = [&prompter](const QString& text) { prompter.error(text); };

    QAction* item =
        m_context.menus().extras->addAction(themedIcon(QStringLiteral("accessories-text-editor")),
                                            QStringLiteral("Einfachen Texteditor starten"));
    item->setObjectName(QStringLiteral("scratchWindowItem"));
    m_context.captionFromMessage(item, 185);
    connect(item, &QAction::triggered, this, [this] { showScratchWindow(); });

    m_context.showScratchWindowModal = [this](UiLanguage language) {
        m_scratchWindow->setLanguage(language);
        m_scratchWindow->exec();
    };
    m_context.scratchTextEdit = scratch.textEdit();
    m_context.showScratchText = [this](const QString& text) {
        showScratchWindow();
        m_scratchWindow->textEdit()->setPlainText(text);
        m_scratchWindow->textEdit()->document()->setModified(true);
    };
}

void ScratchActions::showScratchWindow() {
    m_scratchWindow->setLanguage(m_context.uiLanguage());
    m_scratchWindow->showModeless();
}
