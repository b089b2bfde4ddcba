#include "app/scratch_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/prompter.h"
#include "app/scratch_window.h"

#include <QAction>
#include <QDir>
#include <QMenu>

ScratchController::ScratchController(TMainForm& window) : QObject(&window), m_window(window) {
    TFormText& scratch = m_window.scratchWindow();
    Prompter& prompter = m_window.prompter();
    scratch.chooseOpenFile = [&prompter](const QString& folder) {
        return prompter.chooseOpenFile(folder, QString());
    };
    scratch.chooseSaveFile = [&prompter](const QString& proposed) {
        return prompter.chooseSaveFile(proposed.isEmpty() ? QDir::homePath() : QString(), proposed,
                                       QString());
    };
    scratch.showError = [&prompter](const QString& text) { prompter.error(text); };

    // The caption follows the language by the item's name.
    QAction* item = m_window.actions().extrasMenu->addAction(
        themedIcon(QStringLiteral("accessories-text-editor")),
        QStringLiteral("Einfachen Texteditor starten"));
    item->setObjectName(QStringLiteral("Startsimpletexteditor1"));
    connect(item, &QAction::triggered, this, [this] { Startsimpletexteditor1Click(); });
}

void ScratchController::Startsimpletexteditor1Click() {
    TFormText& scratch = m_window.scratchWindow();
    scratch.AppLanguage = m_window.uiLanguage();
    scratch.showModeless();
}
