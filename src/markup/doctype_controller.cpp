#include "markup/doctype_controller.h"

#include "app/document.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/message_box_prompter.h"
#include "markup/doctype_command.h"
#include "markup/doctype_dialog.h"

#include <QAction>
#include <QMenu>

DocTypeController::DocTypeController(TMainForm& window)
    : QObject(&window), m_window(window), m_dialog(new TFormDocType(&window)) {
    // The caption is the same word in both languages.
    QAction* item = m_window.actions().htmlMenu->addAction(QStringLiteral("Doctype"));
    item->setObjectName(QStringLiteral("Doctype1"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+D")));
    connect(item, &QAction::triggered, this, [this] { Doctype1Click(m_window.commandContext()); });

    // New and the command ask through the prompter, so an injected one (tests, scripts)
    // answers by itself; the window's message boxes show the dialog.
    if (auto* boxes = dynamic_cast<MessageBoxPrompter*>(&m_window.prompter()))
        boxes->setDocTypeDialog([this] { return showDialog(); });
    Document& document = m_window.document();
    document.chooseDocType = [this] { return docTypeChoice(m_window.prompter().chooseDocType()); };
    document.stampGenerator = [this] { StampGeneratorKeepingSelection(m_window.buffer()); };
}

int DocTypeController::showDialog() {
    m_dialog->Language = m_window.uiLanguage();
    return m_dialog->exec() == QDialog::Accepted ? m_dialog->DType : 0;
}
