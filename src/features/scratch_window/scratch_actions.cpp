#include "features/scratch_window/scratch_actions.h"

#include "features/scratch_window/scratch_window.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

constexpr int OverwriteLine = 25;

const UiText SaveScratchQuestion{
    "Der Text im einfachen Texteditor wurde geändert. Änderungen speichern?",
    "The text in the simple text editor has changed. Save the changes?"};

} // namespace

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
    scratch.confirmReplace = [this](const QString& path) {
        return m_context.prompter().askOkCancel(m_context.messages().message(OverwriteLine) +
                                                QLatin1Char(' ') + QFileInfo(path).fileName()) ==
               Prompter::Answer::Ok;
    };
    m_context.addCloseQuery([this] { return closeQuery(); });

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

bool ScratchActions::closeQuery() {
    // Hidden or not, the window still holds its text until it is shown again.
    if (!m_scratchWindow->isTextChanged())
        return true;
    switch (m_context.prompter().askYesNoCancel(SaveScratchQuestion.in(m_context.uiLanguage()))) {
    case Prompter::Answer::Yes:
        return m_scratchWindow->saveFile();
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}
