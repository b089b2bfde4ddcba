#include "features/settings_dialog/settings_actions.h"

#include "editor/highlighters.h"
#include "features/settings_dialog/settings_dialog.h"
#include "foundation/messages/prompter.h"
#include "platform/platform.h"
#include "widgets/feature_context.h"

#include <Qsci/qscilexer.h>
#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>

namespace {

constexpr int CannotSaveLine = 24;

// The HTML highlighter's colours as the window builds it; the settings file's colours,
// which the dialog reads next, stand over them.
HighlighterColours startColours() {
    const Highlighters highlighters(nullptr);
    return highlighters.colours();
}

} // namespace

SettingsActions::SettingsActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new SettingsDialog(m_context.window())) {
    connect(m_dialog, &SettingsDialog::writeFailed, this, [this](const QString& path) {
        // The German line ends in a blank, the English one does not.
        const QString line = m_context.messages().message(CannotSaveLine);
        m_context.prompter().error(
            line.endsWith(QLatin1Char(' ')) ? line + path : line + QLatin1Char(' ') + path);
    });
    // German caption built in; the language switch rewrites it from the message line.
    QAction* item = m_context.menus().extras->addAction(
        QIcon::fromTheme(QStringLiteral("preferences-system"),
                         QIcon(QStringLiteral(":/icons/hx-setup-settings.svg"))),
        QStringLiteral("Einstellungen"));
    item->setObjectName(QStringLiteral("settingsItem"));
    m_context.captionFromMessage(item, 182);
    connect(item, &QAction::triggered, this, [this] { showSettingsDialog(); });
}

void SettingsActions::showSettingsDialog() {
    static const HighlighterColours colours = startColours();
    SettingsFields fields = m_dialog->fields();
    // Every highlighter carries the editor's font; the control's own is only used without one.
    const QsciScintilla* editor = m_context.editor();
    const QFont font = editor->lexer() ? editor->lexer()->defaultFont() : editor->font();
    fields.fontName = font.family();
    fields.fontSize = QString::number(font.pointSize());
    fields.keywordColour = QString::number(colours.keyword);
    fields.identifierColour = QString::number(colours.identifier);
    fields.valueColour = QString::number(colours.value);
    fields.commentColour = QString::number(colours.comment);
    fields.entityColour = QString::number(colours.entity);
    m_dialog->setFields(fields);
    m_dialog->setLanguage(m_context.uiLanguage());
    m_dialog->setDataFolder(m_context.platform().dataFolder());
    m_dialog->exec();

    // Either way the file is read again. The dialog has no control for the language, so the
    // one chosen in the menu stays, even when the file still holds an older one.
    const UiLanguage language = m_context.uiLanguage();
    m_context.reloadSettings();
    m_context.switchLanguage(language);
    m_context.editor()->recolor();
}
