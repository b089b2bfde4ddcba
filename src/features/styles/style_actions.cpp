#include "features/styles/style_actions.h"

#include "features/styles/css_dialog.h"
#include "features/styles/css_markup.h"
#include "features/styles/div_dialog.h"
#include "features/styles/div_markup.h"
#include "foundation/document/editor_buffer.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace {

const UiText StyleText{"Stil...", "Style..."};

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QString& icon,
                  const char* keys) {
    QAction* action = menu->addAction(themedIcon(icon), caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(QLatin1String(keys)));
    return action;
}

} // namespace

StyleActions::StyleActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_cssDialog(new CssDialog(m_context.window())) {
    DivDialog::LookupServices services;
    services.documentText = [this] { return m_context.buffer().text(); };
    services.showScratchWindow = [this](UiLanguage language) {
        if (m_context.showScratchWindowModal)
            m_context.showScratchWindowModal(language);
    };
    services.prompter = &m_context.prompter();
    m_divDialog = new DivDialog(*m_cssDialog, std::move(services), m_context.window());

    const FeatureMenus& a = m_context.menus();
    const QString styleIcon = QStringLiteral("hx-css-style");
    QAction* style = menuItem(a.html, "styleItem", QString(), styleIcon, "Ctrl+Alt+Y");
    m_context.captionFromText(style, StyleText);
    connect(style, &QAction::triggered, this, &StyleActions::defineStyle);
    // "Div" and "Span" are the elements' names in either language.
    connect(menuItem(a.html, "divItem", QStringLiteral("Div"), QStringLiteral("hx-div-div"),
                     "Ctrl+Alt+V"),
            &QAction::triggered, this, &StyleActions::insertDiv);
    connect(menuItem(a.html, "spanItem", QStringLiteral("Span"), QStringLiteral("hx-div-span"),
                     "Ctrl+Alt+A"),
            &QAction::triggered, this, &StyleActions::insertSpan);

    // Its text and tips come from the message table at every language switch.
    QAction* button = a.insertBar->addAction(themedIcon(styleIcon), QString());
    button->setObjectName(QStringLiteral("styleButton"));
    m_context.hintFromMessage(button, 90);
    connect(button, &QAction::triggered, this, &StyleActions::defineStyle);
}

void StyleActions::defineStyle() {
    ::defineStyle(m_context.buffer(), [this] {
        m_cssDialog->setLanguage(m_context.uiLanguage());
        m_cssDialog->setOneLine(false);
        m_cssDialog->exec();
        return m_cssDialog->style();
    });
}

void StyleActions::insertDiv() {
    wrapSelectionIn(DivSpanTag::Div);
}

void StyleActions::insertSpan() {
    wrapSelectionIn(DivSpanTag::Span);
}

void StyleActions::wrapSelectionIn(DivSpanTag tag) {
    wrapSelectionInDivOrSpan(m_context.buffer(), tag, [this](DivSpanTag chosen) {
        m_divDialog->setTag(chosen);
        m_divDialog->setLanguage(m_context.uiLanguage());
        m_divDialog->exec();
        return m_divDialog->openingTag();
    });
}
