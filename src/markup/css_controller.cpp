#include "markup/css_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/scratch_window.h"
#include "editor/editor_buffer.h"
#include "markup/css_dialog.h"
#include "markup/css_markup.h"
#include "markup/div_dialog.h"
#include "markup/div_markup.h"

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

CssController::CssController(TMainForm& window)
    : QObject(&window), m_window(window), m_css(new TFormCss(&window)) {
    TFormDIV::LookupServices services;
    services.documentText = [this] { return m_window.buffer().text(); };
    services.showScratchWindow = [this](int sprache) {
        TFormText& scratch = m_window.scratchWindow();
        scratch.AppLanguage = sprache == 0 ? 0 : 1;
        scratch.showModal();
    };
    services.prompter = &window.prompter();
    m_div = new TFormDIV(*m_css, std::move(services), &window);

    MainActions& a = window.actions();
    const QString styleIcon = QStringLiteral("hx-css-style");
    connect(menuItem(a.htmlMenu, "Font2", QStringLiteral("Style..."), styleIcon, "Ctrl+Alt+Y"),
            &QAction::triggered, this, [this] { Font2Click(); });
    connect(menuItem(a.htmlMenu, "Div1", QStringLiteral("Div"), QStringLiteral("hx-div-div"),
                     "Ctrl+Alt+V"),
            &QAction::triggered, this, [this] { Div1Click(); });
    connect(menuItem(a.htmlMenu, "Span1", QStringLiteral("Span"), QStringLiteral("hx-div-span"),
                     "Ctrl+Alt+A"),
            &QAction::triggered, this, [this] { Span1Click(); });

    // The hint comes from the message table by the button's name.
    QAction* button = a.toolBar1->addAction(themedIcon(styleIcon), QString());
    button->setObjectName(QStringLiteral("ToolButtonStyle"));
    connect(button, &QAction::triggered, this, [this] { Font2Click(); });
}

void CssController::Font2Click() {
    ::Font2Click(m_window.buffer(), [this] {
        m_css->Sprache = m_window.uiLanguage();
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
    DivSpanCommand(m_window.buffer(), typ, [this](int t) {
        m_div->Typ = t;
        m_div->Sprache = m_window.uiLanguage();
        m_div->ShowModal();
        return m_div->HtmlCode;
    });
}
