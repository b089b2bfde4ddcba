#include "features/wrapping/wrap_actions.h"

#include "features/wrapping/wrapping.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

namespace {

const UiText BoldText{"Fett", "Bold"};
const UiText ItalicText{"Kursiv", "Italic"};
const UiText UnderlineText{"Unterstrichen", "Underline"};
const UiText SuperscriptText{"Hochgestellt", "Superscript"};
const UiText SubscriptText{"Tiefgestellt", "Subscript"};
const UiText UnorderedListText{"Unsortierte Liste", "Unordered list"};
const UiText OrderedListText{"Nummerierte Liste", "Ordered list"};
const UiText HeadingMenuText{"Überschrift", "Heading"};
const UiText LineBreakText{"Zeilenumbruch", "Line break"};
const UiText HorizontalLineText{"Horizontale Linie", "Horizontal line"};
const UiText ScriptText{"Skript", "Script"};

} // namespace

WrapActions::WrapActions(FeatureContext& context) : QObject(&context), m_context(context) {
    createMenuItems();
    createButtons();
}

QAction* WrapActions::menuItem(QMenu* menu, const char* name, const UiText& caption,
                               const char* keys) {
    QAction* action = menu->addAction(QString());
    m_context.captionFromText(action, caption);
    action->setObjectName(QLatin1String(name));
    if (keys)
        action->setShortcut(QKeySequence(QLatin1String(keys)));
    return action;
}

QAction* WrapActions::button(const char* name, const QString& icon, int hintLine, bool toggle) {
    QAction* action = m_context.menus().standardBar->addAction(themedIcon(icon), QString());
    action->setObjectName(QLatin1String(name));
    action->setCheckable(toggle);
    m_context.hintFromMessage(action, hintLine);
    return action;
}

void WrapActions::createMenuItems() {
    const FeatureMenus& a = m_context.menus();
    QMenu* format = a.format;
    connect(menuItem(format, "boldItem", BoldText, "Ctrl+Alt+B"), &QAction::triggered, this,
            [this] { makeBold(); });
    connect(menuItem(format, "italicItem", ItalicText, "Ctrl+Alt+I"), &QAction::triggered, this,
            [this] { makeItalic(); });
    connect(menuItem(format, "underlineItem", UnderlineText, "Ctrl+Alt+U"), &QAction::triggered,
            this, [this] { underline(); });
    connect(menuItem(format, "superscriptItem", SuperscriptText, "Ctrl+Alt+P"), &QAction::triggered,
            this, [this] { makeSuperscript(); });
    connect(menuItem(format, "subscriptItem", SubscriptText, "Ctrl+Alt+S"), &QAction::triggered,
            this, [this] { makeSubscript(); });
    connect(menuItem(format, "unorderedListItem", UnorderedListText, "Ctrl+Alt+N"),
            &QAction::triggered, this, [this] { toggleUnorderedList(); });
    connect(menuItem(format, "orderedListItem", OrderedListText, "Ctrl+Alt+O"), &QAction::triggered,
            this, [this] { toggleOrderedList(); });

    auto* headingMenu = new QMenu(format);
    m_context.captionFromText(headingMenu, HeadingMenuText);
    headingMenu->setObjectName(QStringLiteral("headingMenu"));
    headingMenu->menuAction()->setObjectName(QStringLiteral("headingMenuAction"));
    format->addMenu(headingMenu);
    for (int level = 1; level <= 6; ++level) {
        const QByteArray name = "heading" + QByteArray::number(level) + "Item";
        QAction* item = headingMenu->addAction(QStringLiteral("h") + QString::number(level));
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, [this, level] { makeHeading(level); });
    }

    // "Kommentar" is the built-in caption; the language switch rewrites it.
    QMenu* html = a.html;
    QAction* comment = html->addAction(QStringLiteral("Kommentar"));
    comment->setObjectName(QStringLiteral("commentItem"));
    m_context.captionFromMessage(comment, 207);
    connect(comment, &QAction::triggered, this, [this] { commentOut(); });
    connect(menuItem(html, "lineBreakItem", LineBreakText, "Ctrl+Alt+K"), &QAction::triggered, this,
            [this] { insertLineBreak(); });
    connect(menuItem(html, "horizontalLineItem", HorizontalLineText, "Ctrl+Alt+H"),
            &QAction::triggered, this, [this] { insertHorizontalLine(); });
    connect(menuItem(html, "scriptItem", ScriptText, "Ctrl+Alt+C"), &QAction::triggered, this,
            [this] { insertScriptBlock(); });
}

void WrapActions::createButtons() {
    QToolBar* bar = m_context.menus().standardBar;
    bar->addSeparator();
    m_boldButton = button("boldButton", QStringLiteral("format-text-bold"), 65, true);
    connect(m_boldButton, &QAction::triggered, this, [this] { makeBold(); });
    m_italicButton = button("italicButton", QStringLiteral("format-text-italic"), 66, true);
    connect(m_italicButton, &QAction::triggered, this, [this] { makeItalic(); });
    m_underlineButton =
        button("underlineButton", QStringLiteral("format-text-underline"), 67, true);
    connect(m_underlineButton, &QAction::triggered, this, [this] { underline(); });
    connect(button("strikeButton", QStringLiteral("format-text-strikethrough"), 68),
            &QAction::triggered, this, [this] { strikeThrough(); });
    connect(button("superscriptButton", QStringLiteral("hx-superscript"), 91), &QAction::triggered,
            this, [this] { makeSuperscript(); });
    connect(button("subscriptButton", QStringLiteral("hx-subscript"), 92), &QAction::triggered,
            this, [this] { makeSubscript(); });

    bar->addSeparator();
    // Left, center and right form a group that may have none pressed; justify is a plain button.
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    struct Align {
        const char* name;
        const char* icon;
        int hintLine;
        int tag;
        QAction** slot;
    };
    const Align aligns[] = {
        {"alignLeftButton", "format-justify-left", 71, 0, &m_alignLeftButton},
        {"alignCenterButton", "format-justify-center", 72, 3, &m_alignCenterButton},
        {"alignRightButton", "format-justify-right", 74, 1, &m_alignRightButton},
        {"justifyButton", "format-justify-fill", 73, 2, &m_justifyButton},
    };
    for (const Align& a : aligns) {
        const bool grouped = a.tag != 2;
        QAction* action = button(a.name, QLatin1String(a.icon), a.hintLine, grouped);
        action->setData(a.tag);
        if (grouped)
            m_alignGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action] { align(action->data().toInt()); });
        *a.slot = action;
    }
    connect(button("indentButton", QStringLiteral("format-indent-more"), 75), &QAction::triggered,
            this, [this] { indent(); });

    bar->addSeparator();
    m_unorderedListButton =
        button("unorderedListButton", QStringLiteral("hx-list-unordered"), 69, true);
    connect(m_unorderedListButton, &QAction::triggered, this, [this] { toggleUnorderedList(); });
    connect(button("orderedListButton", QStringLiteral("hx-list-ordered"), 70), &QAction::triggered,
            this, [this] { toggleOrderedList(); });
    connect(button("lineBreakButton", QStringLiteral("hx-line-break"), 89), &QAction::triggered,
            this, [this] { insertLineBreak(); });
    connect(button("horizontalLineButton", QStringLiteral("hx-horizontal-line"), 93),
            &QAction::triggered, this, [this] { insertHorizontalLine(); });
}

void WrapActions::wrap(WrapCommand command, std::initializer_list<QAction*> release) {
    wrapSelection(m_context.buffer(), command);
    // The toggle buttons only look like switches: a command never leaves one pressed.
    for (QAction* action : release)
        action->setChecked(false);
}

void WrapActions::makeBold() {
    wrap(WrapCommand::Bold, {m_boldButton});
}

void WrapActions::makeItalic() {
    wrap(WrapCommand::Italic, {m_italicButton});
}

void WrapActions::underline() {
    wrap(WrapCommand::Underline, {m_underlineButton});
}

void WrapActions::strikeThrough() {
    // The strike button has no pressed state of its own; it releases the underline button.
    wrap(WrapCommand::Strike, {m_underlineButton});
}

void WrapActions::makeSuperscript() {
    wrap(WrapCommand::Sup);
}

void WrapActions::makeSubscript() {
    wrap(WrapCommand::Sub);
}

void WrapActions::align(int tag) {
    wrap(alignmentForTag(tag),
         {m_alignLeftButton, m_alignCenterButton, m_alignRightButton, m_justifyButton});
}

void WrapActions::indent() {
    wrap(WrapCommand::Indent);
}

void WrapActions::makeHeading(int level) {
    wrap(WrapCommand(int(WrapCommand::H1) + qBound(1, level, 6) - 1));
}

void WrapActions::commentOut() {
    wrap(WrapCommand::Comment);
}

void WrapActions::insertLineBreak() {
    ::insertLineBreak(m_context.buffer());
}

void WrapActions::insertHorizontalLine() {
    ::insertHorizontalLine(m_context.buffer());
}

void WrapActions::insertScriptBlock() {
    ::insertScriptBlock(m_context.buffer());
}

void WrapActions::toggleUnorderedList() {
    m_unorderedListButton->setChecked(false);
    toggleList(m_context.buffer(), ListKind::Unordered);
}

void WrapActions::toggleOrderedList() {
    // Both lists release the unordered-list button, the only one that toggles.
    m_unorderedListButton->setChecked(false);
    toggleList(m_context.buffer(), ListKind::Ordered);
}
