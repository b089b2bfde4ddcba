#include "app/setup_controller.h"

#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/prompter.h"
#include "app/setup_dialog.h"
#include "editor/highlighters.h"
#include "platform/platform.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>

namespace {

constexpr int MsgCannotSave = 24;

// The HTML highlighter's colours as the window builds it; the settings file's colours,
// which the dialog reads next, stand over them.
HighlighterColours startColours() {
    const Highlighters highlighters(nullptr);
    return highlighters.colours();
}

} // namespace

SetupController::SetupController(TMainForm& window)
    : QObject(&window), m_window(window), m_dialog(new TFormSetup(&window)) {
    m_dialog->writeFailed = [this](const QString& path) {
        // The German line ends in a blank, the English one does not.
        const QString line = m_window.messages().message(MsgCannotSave);
        m_window.prompter().error(line.endsWith(QLatin1Char(' ')) ? line + path
                                                                  : line + QLatin1Char(' ') + path);
    };
    // The caption follows the language by the item's name.
    QAction* item = m_window.actions().extrasMenu->addAction(
        QIcon::fromTheme(QStringLiteral("preferences-system"),
                         QIcon(QStringLiteral(":/icons/hx-setup-settings.svg"))),
        QStringLiteral("Einstellungen"));
    item->setObjectName(QStringLiteral("Settings2"));
    connect(item, &QAction::triggered, this, [this] { Settings2Click(); });
}

void SetupController::Settings2Click() {
    static const HighlighterColours colours = startColours();
    SetupFields fields = m_dialog->fields();
    // Every highlighter carries the editor's font; the control's own is only used without one.
    const QsciScintilla* editor = m_window.SynMemo1();
    const QFont font = editor->lexer() ? editor->lexer()->defaultFont() : editor->font();
    fields.Edit1 = font.family();
    fields.Edit2 = QString::number(font.pointSize());
    fields.EditIdentifier = QString::number(colours.keyword);
    fields.EditParameter = QString::number(colours.identifier);
    fields.EditValue = QString::number(colours.value);
    fields.EditComment = QString::number(colours.comment);
    fields.EditAnd = QString::number(colours.entity);
    m_dialog->setFields(fields);
    m_dialog->PLanguage = m_window.uiLanguage();
    m_dialog->IniPath = m_window.platform().dataFolder();
    m_dialog->ShowModal();

    // Either way the file is read again. The dialog has no control for the language, so the
    // one chosen in the menu stays, even when the file still holds an older one.
    const int language = m_window.uiLanguage();
    m_window.LoadSettings();
    if (m_window.uiLanguage() != language)
        (language == UiEnglish ? m_window.actions().english : m_window.actions().german)->trigger();
    else
        m_window.ApplyLanguage();
    m_window.SynMemo1()->recolor();
}
