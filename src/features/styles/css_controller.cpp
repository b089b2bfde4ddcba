#include "features/styles/css_controller.h"

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

// The menu captions are the same in both languages.
QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const QString& icon,
                  const char* keys) {
    QAction* action = menu->addAction(themedIcon(icon), caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(QLatin1String(keys)));
    return action;
}

} // namespace

CssController::CssController(FeatureContext& context)
    : QObject(&context), m_context(context), m_css(new TFormCss(m_context.window())) {
    TFormDIV::LookupServices services;
    services.documentText = [this] { return m_context.buffer().text(); };
    services.showScratchWindow = [this](UiLanguage sprache) {
        if (m_context.showScratchWindowModal)
            m_context.showScratchWindowModal(sprache);
    };
    services.prompter = &m_context.prompter();
    m_div = new TFormDIV(*m_css, std::move(services), m_context.window());

    const FeatureMenus& a = m_context.menus();
    const QString styleIcon = QStringLiteral("hx-css-style");
    connect(menuItem(a.html, "Font2", QStringLiteral("Style..."), styleIcon, "Ctrl+Alt+Y"),
            &QAction::triggered, this, [this] { Font2Click(); });
    connect(
        menuItem(a.html, "Div1", QStringLiteral("Div"), QStringLiteral("hx-div-div"), "Ctrl+Alt+V"),
        &QAction::triggered, this, [this] { Div1Click(); });
    connect(menuItem(a.html, "Span1", QStringLiteral("Span"), QStringLiteral("hx-div-span"),
                     "Ctrl+Alt+A"),
            &QAction::triggered, this, [this] { Span1Click(); });

    // The hint comes from the message table by the button's name.
    QAction* button = a.standardBar->addAction(themedIcon(styleIcon), QString());
    button->setObjectName(QStringLiteral("ToolButtonStyle"));
    m_context.hintFromMessage(button, 90);
    connect(button, &QAction::triggered, this, [this] { Font2Click(); });
}

void CssController::Font2Click() {
    ::Font2Click(m_context.buffer(), [this] {
        m_css->Sprache = m_context.uiLanguage();
        m_css->OneLine = false;
        m_css->ShowModal();
        return m_css->MyStyle;
    });
}

void CssController::Div1Click() {
    runDivCommand(DivTyp);
}

void CssController::Span1Click() {
    runDivCommand(SpanTyp);
}

void CssController::runDivCommand(int typ) {
    DivSpanCommand(m_context.buffer(), typ, [this](int t) {
        m_div->Typ = t;
        m_div->Sprache = m_context.uiLanguage();
        m_div->ShowModal();
        return m_div->HtmlCode;
    });
}
