#include "features/scratch_window/scratch_controller.h"

#include "features/scratch_window/scratch_window.h"
#include "foundation/messages/prompter.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QDir>
#include <QMenu>

ScratchController::ScratchController(FeatureContext& context)
    : QObject(&context), m_context(context), m_scratch(new TFormText(context.window())) {
    TFormText& scratch = *m_scratch;
    Prompter& prompter = m_context.prompter();
    scratch.chooseOpenFile = [&prompter](const QString& folder) {
        return prompter.chooseOpenFile(folder, QString());
    };
    scratch.chooseSaveFile = [&prompter](const QString& proposed) {
        return prompter.chooseSaveFile(proposed.isEmpty() ? QDir::homePath() : QString(), proposed,
                                       QString());
    };
    scratch.showError = [&prompter](const QString& text) { prompter.error(text); };

    // The caption follows the language by the item's name.
    QAction* item =
        m_context.menus().extras->addAction(themedIcon(QStringLiteral("accessories-text-editor")),
                                            QStringLiteral("Einfachen Texteditor starten"));
    item->setObjectName(QStringLiteral("Startsimpletexteditor1"));
    m_context.captionFromMessage(item, 185);
    connect(item, &QAction::triggered, this, [this] { Startsimpletexteditor1Click(); });

    m_context.showScratchWindowModal = [this](UiLanguage language) {
        m_scratch->AppLanguage = language;
        m_scratch->showModal();
    };
}

void ScratchController::Startsimpletexteditor1Click() {
    m_scratch->AppLanguage = m_context.uiLanguage();
    m_scratch->showModeless();
}
