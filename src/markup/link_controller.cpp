#include "markup/link_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "markup/font_markup.h"
#include "markup/font_pickers.h"
#include "markup/link_dialog.h"
#include "platform/platform.h"

#include <QAction>
#include <QColorDialog>
#include <QMenu>
#include <QToolBar>

namespace {

QAction* namedAction(QObject* parent, const char* name, const QString& text, const char* keys) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    if (keys)
        action->setShortcut(QKeySequence(QLatin1String(keys)));
    return action;
}

} // namespace

LinkController::LinkController(TMainForm& window)
    : QObject(&window), m_window(window),
      m_linkDialog(new TFormSettings(window.prompter(), &window)) {
    MainActions& a = m_window.actions();
    // These captions are English words in both languages.
    QAction* link = namedAction(a.htmlMenu, "Link1", QStringLiteral("Link..."), "Ctrl+Alt+L");
    QAction* colour = namedAction(a.htmlMenu, "Color1", QStringLiteral("Color..."), "Ctrl+Alt+R");
    QAction* font = namedAction(a.formatMenu, "Font3", QStringLiteral("Font..."), "Ctrl+Alt+F");
    link->setIcon(themedIcon(QStringLiteral("insert-link")));
    colour->setIcon(themedIcon(QStringLiteral("hx-color-code")));
    font->setIcon(themedIcon(QStringLiteral("hx-font-span")));
    a.htmlMenu->addAction(link);
    a.htmlMenu->addAction(colour);
    a.formatMenu->addAction(font);
    connect(link, &QAction::triggered, this, [this] { Link1Click(); });
    connect(colour, &QAction::triggered, this, [this] { Color1Click(); });
    connect(font, &QAction::triggered, this, [this] { Font3Click(); });

    // The hints come from the message table by the buttons' names.
    QToolBar* bar = a.toolBar1;
    bar->addSeparator();
    struct Button {
        const char* name;
        const char* icon;
        void (LinkController::*click)();
    };
    for (const Button& b :
         {Button{"ToolButtonLink", "insert-link", &LinkController::Link1Click},
          Button{"ToolButtonColor", "hx-color-code", &LinkController::Color1Click},
          Button{"ToolButtonFont", "hx-font-span", &LinkController::Font3Click}}) {
        QAction* button = bar->addAction(themedIcon(QLatin1String(b.icon)), QString());
        button->setObjectName(QLatin1String(b.name));
        connect(button, &QAction::triggered, this, b.click);
    }
    m_pickers = new FontPickers(bar, m_window.platform().installedFonts(),
                                [this](const RgbColour& initial) { return chooseColour(initial); });
    m_pickers->applyLanguage(m_window.uiLanguage());
    connect(&m_window, &TMainForm::languageApplied, this,
            [this] { m_pickers->applyLanguage(m_window.uiLanguage()); });
}

void LinkController::Link1Click() {
    ::Link1Click(m_window.buffer(), m_linkDialog->fields, m_window.uiLanguage(),
                 [this] { m_linkDialog->exec(); });
}

void LinkController::Color1Click() {
    if (const std::optional<RgbColour> chosen = chooseColour(m_lastColour)) {
        m_lastColour = *chosen;
        InsertColourCode(m_window.buffer(), *chosen);
    }
}

void LinkController::Font3Click() {
    ::Font3Click(m_window.buffer(), m_pickers->fields());
}

std::optional<RgbColour> LinkController::chooseColour(const RgbColour& initial) {
    const QColor chosen =
        QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue), &m_window);
    if (!chosen.isValid())
        return std::nullopt;
    return RgbColour{chosen.red(), chosen.green(), chosen.blue()};
}
