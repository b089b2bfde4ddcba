#include "features/settings_dialog/setup_controller.h"

#include "editor/highlighters.h"
#include "features/settings_dialog/setup_dialog.h"
#include "foundation/messages/prompter.h"
#include "platform/platform.h"
#include "widgets/feature_context.h"

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

SetupController::SetupController(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new TFormSetup(m_context.window())) {
    m_dialog->writeFailed = [this](const QString& path) {
        // The German line ends in a blank, the English one does not.
        const QString line = m_context.messages().message(MsgCannotSave);
        m_context.prompter().error(
            line.endsWith(QLatin1Char(' ')) ? line + path : line + QLatin1Char(' ') + path);
    };
    // The caption follows the language by the item's name.
    QAction* item = m_context.menus().extras->addAction(
        QIcon::fromTheme(QStringLiteral("preferences-system"),
                         QIcon(QStringLiteral(":/icons/hx-setup-settings.svg"))),
        QStringLiteral("Einstellungen"));
    item->setObjectName(QStringLiteral("Settings2"));
    m_context.captionFromMessage(item, 182);
    connect(item, &QAction::triggered, this, [this] { Settings2Click(); });
}

void SetupController::Settings2Click() {
    static const HighlighterColours colours = startColours();
    SetupFields fields = m_dialog->fields();
    // Every highlighter carries the editor's font; the control's own is only used without one.
    const QsciScintilla* editor = m_context.editor();
    const QFont font = editor->lexer() ? editor->lexer()->defaultFont() : editor->font();
    fields.Edit1 = font.family();
    fields.Edit2 = QString::number(font.pointSize());
    fields.EditIdentifier = QString::number(colours.keyword);
    fields.EditParameter = QString::number(colours.identifier);
    fields.EditValue = QString::number(colours.value);
    fields.EditComment = QString::number(colours.comment);
    fields.EditAnd = QString::number(colours.entity);
    m_dialog->setFields(fields);
    m_dialog->PLanguage = m_context.uiLanguage();
    m_dialog->IniPath = m_context.platform().dataFolder();
    m_dialog->ShowModal();

    // Either way the file is read again. The dialog has no control for the language, so the
    // one chosen in the menu stays, even when the file still holds an older one.
    const UiLanguage language = m_context.uiLanguage();
    m_context.reloadSettings();
    m_context.switchLanguage(language);
    m_context.editor()->recolor();
}
