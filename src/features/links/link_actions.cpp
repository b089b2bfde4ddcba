#include "features/links/link_actions.h"

#include "features/links/font_markup.h"
#include "features/links/font_pickers.h"
#include "features/links/link_dialog.h"
#include "platform/platform.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

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

const UiText ColourText{"Farbe...", "Color..."};
const UiText FontText{"Schrift...", "Font..."};

} // namespace

LinkActions::LinkActions(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_linkDialog(new LinkDialog(m_context.prompter(), m_context.window())) {
    const FeatureMenus& a = m_context.menus();
    QAction* link = namedAction(a.html, "linkItem", QStringLiteral("Link..."), "Ctrl+Alt+L");
    QAction* colour = namedAction(a.html, "colourCodeItem", QString(), "Ctrl+Alt+R");
    QAction* font = namedAction(a.format, "fontSpanItem", QString(), "Ctrl+Alt+F");
    m_context.captionFromText(colour, ColourText);
    m_context.captionFromText(font, FontText);
    link->setIcon(themedIcon(QStringLiteral("insert-link")));
    colour->setIcon(themedIcon(QStringLiteral("hx-color-code")));
    font->setIcon(themedIcon(QStringLiteral("hx-font-span")));
    a.html->addAction(link);
    a.html->addAction(colour);
    a.format->addAction(font);
    connect(link, &QAction::triggered, this, [this] { insertLink(); });
    connect(colour, &QAction::triggered, this, [this] { insertColourCode(); });
    connect(font, &QAction::triggered, this, [this] { wrapInFontSpan(); });

    QToolBar* bar = a.insertBar;
    bar->addSeparator();
    struct Button {
        const char* name;
        const char* icon;
        int hintLine;
        void (LinkActions::*command)();
    };
    for (const Button& b :
         {Button{"linkButton", "insert-link", 96, &LinkActions::insertLink},
          Button{"colourCodeButton", "hx-color-code", 94, &LinkActions::insertColourCode},
          Button{"fontSpanButton", "hx-font-span", 98, &LinkActions::wrapInFontSpan}}) {
        QAction* button = bar->addAction(themedIcon(QLatin1String(b.icon)), QString());
        button->setObjectName(QLatin1String(b.name));
        m_context.hintFromMessage(button, b.hintLine);
        connect(button, &QAction::triggered, this, b.command);
    }
    m_pickers = new FontPickers(bar, m_context.platform().installedFonts(),
                                [this](const RgbColour& initial) { return chooseColour(initial); });
    m_pickers->applyLanguage(m_context.uiLanguage());
    connect(&m_context, &FeatureContext::languageChanged, this,
            [this] { m_pickers->applyLanguage(m_context.uiLanguage()); });
}

void LinkActions::insertLink() {
    ::insertLink(m_context.buffer(), m_linkDialog->fields(), m_context.uiLanguage(),
                 [this] { m_linkDialog->exec(); });
}

void LinkActions::insertColourCode() {
    if (const std::optional<RgbColour> chosen = chooseColour(m_lastColour)) {
        m_lastColour = *chosen;
        ::insertColourCode(m_context.buffer(), *chosen);
    }
}

void LinkActions::wrapInFontSpan() {
    ::wrapInFontSpan(m_context.buffer(), m_pickers->fields());
}

std::optional<RgbColour> LinkActions::chooseColour(const RgbColour& initial) {
    const QColor chosen = QColorDialog::getColor(QColor(initial.red, initial.green, initial.blue),
                                                 m_context.window());
    if (!chosen.isValid())
        return std::nullopt;
    return RgbColour{chosen.red(), chosen.green(), chosen.blue()};
}
