#include "features/wrapping/wrap_controller.h"

#include "features/wrapping/wrapping.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>

namespace {

// The message line of each toolbar button's hint.
int hintLine(const char* button) {
    static const struct {
        const char* name;
        int line;
    } lines[] = {
        {"BoldButton", 65},       {"ItalicButton", 66},   {"UnderlineButton", 67},
        {"ToolButton7", 68},      {"ToolButtonSup", 91},  {"ToolButtonSub", 92},
        {"ToolButtonIndent", 75}, {"BulletsButton", 69},  {"ToolButton4", 70},
        {"ToolButtonMulti", 89},  {"ToolButtonLine", 93}, {"LeftAlign", 71},
        {"CenterAlign", 72},      {"RightAlign", 74},     {"ButtonJustify", 73},
    };
    for (const auto& entry : lines)
        if (qstrcmp(entry.name, button) == 0)
            return entry.line;
    return -1;
}

} // namespace

WrapController::WrapController(FeatureContext& context) : QObject(&context), m_context(context) {
    createMenuItems();
    createButtons();
}

QAction* WrapController::menuItem(QMenu* menu, const char* name, const QString& caption,
                                  const char* keys) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (keys)
        action->setShortcut(QKeySequence(QLatin1String(keys)));
    return action;
}

QAction* WrapController::button(const char* name, const QString& icon, bool toggle) {
    QAction* action = m_context.menus().standardBar->addAction(themedIcon(icon), QString());
    action->setObjectName(QLatin1String(name));
    action->setCheckable(toggle);
    m_context.hintFromMessage(action, hintLine(name));
    return action;
}

void WrapController::createMenuItems() {
    const FeatureMenus& a = m_context.menus();
    // Format and Headline entries keep these English captions in both languages.
    QMenu* format = a.format;
    connect(menuItem(format, "bold1", QStringLiteral("Bold"), "Ctrl+Alt+B"), &QAction::triggered,
            this, [this] { BoldButtonClick(); });
    connect(menuItem(format, "italic1", QStringLiteral("Italic"), "Ctrl+Alt+I"),
            &QAction::triggered, this, [this] { ItalicButtonClick(); });
    QAction* underline = menuItem(format, "underline1", QStringLiteral("Underline"), "Ctrl+Alt+U");
    connect(underline, &QAction::triggered, this,
            [this, underline] { UnderlineButtonClick(underline); });
    connect(menuItem(format, "Sup1", QStringLiteral("Sup"), "Ctrl+Alt+P"), &QAction::triggered,
            this, [this] { Sup1Click(); });
    connect(menuItem(format, "Sub1", QStringLiteral("Sub"), "Ctrl+Alt+S"), &QAction::triggered,
            this, [this] { Sub1Click(); });
    QAction* bullets =
        menuItem(format, "bulletlist1", QStringLiteral("Unordered List"), "Ctrl+Alt+N");
    connect(bullets, &QAction::triggered, this, [this, bullets] { BulletsButtonClick(bullets); });
    m_orderedItem = menuItem(format, "OrderedList1", QStringLiteral("Ordered List"), "Ctrl+Alt+O");
    connect(m_orderedItem, &QAction::triggered, this,
            [this] { BulletsButtonClick(m_orderedItem); });

    auto* headline = new QMenu(QStringLiteral("Headline"), format);
    headline->setObjectName(QStringLiteral("Headline1"));
    headline->menuAction()->setObjectName(QStringLiteral("Headline1Action"));
    format->addMenu(headline);
    for (int level = 1; level <= 6; ++level) {
        const QByteArray name = "h" + QByteArray::number(level) + "1";
        QAction* item = menuItem(headline, name.constData(),
                                 QStringLiteral("h") + QString::number(level), nullptr);
        connect(item, &QAction::triggered, this, [this, level] { HeadingClick(level); });
    }

    // "Kommentar" is the built-in caption; the language switch rewrites it.
    QMenu* html = a.html;
    QAction* comment = menuItem(html, "Kommentar1", QStringLiteral("Kommentar"), nullptr);
    m_context.captionFromMessage(comment, 207);
    connect(comment, &QAction::triggered, this, [this] { Kommentar1Click(); });
    connect(menuItem(html, "Linebreak1", QStringLiteral("Linebreak"), "Ctrl+Alt+K"),
            &QAction::triggered, this, [this] { Linebreak1Click(); });
    connect(menuItem(html, "Horizontalline1", QStringLiteral("Horizontal line"), "Ctrl+Alt+H"),
            &QAction::triggered, this, [this] { Horizontalline1Click(); });
    connect(menuItem(html, "Script1", QStringLiteral("Script"), "Ctrl+Alt+C"), &QAction::triggered,
            this, [this] { Script1Click(); });
}

void WrapController::createButtons() {
    QToolBar* bar = m_context.menus().standardBar;
    bar->addSeparator();
    m_boldButton = button("BoldButton", QStringLiteral("format-text-bold"), true);
    connect(m_boldButton, &QAction::triggered, this, [this] { BoldButtonClick(); });
    m_italicButton = button("ItalicButton", QStringLiteral("format-text-italic"), true);
    connect(m_italicButton, &QAction::triggered, this, [this] { ItalicButtonClick(); });
    m_underlineButton = button("UnderlineButton", QStringLiteral("format-text-underline"), true);
    connect(m_underlineButton, &QAction::triggered, this,
            [this] { UnderlineButtonClick(m_underlineButton); });
    m_strikeButton = button("ToolButton7", QStringLiteral("format-text-strikethrough"));
    connect(m_strikeButton, &QAction::triggered, this,
            [this] { UnderlineButtonClick(m_strikeButton); });
    connect(button("ToolButtonSup", QStringLiteral("hx-superscript")), &QAction::triggered, this,
            [this] { Sup1Click(); });
    connect(button("ToolButtonSub", QStringLiteral("hx-subscript")), &QAction::triggered, this,
            [this] { Sub1Click(); });

    bar->addSeparator();
    // Left, center and right form a group that may have none pressed; justify is a plain button.
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    struct Align {
        const char* name;
        const char* icon;
        int tag;
        QAction** slot;
    };
    const Align aligns[] = {
        {"LeftAlign", "format-justify-left", 0, &m_leftAlign},
        {"CenterAlign", "format-justify-center", 3, &m_centerAlign},
        {"RightAlign", "format-justify-right", 1, &m_rightAlign},
        {"ButtonJustify", "format-justify-fill", 2, &m_justifyButton},
    };
    for (const Align& align : aligns) {
        const bool grouped = align.tag != 2;
        QAction* action = button(align.name, QLatin1String(align.icon), grouped);
        action->setData(align.tag);
        if (grouped)
            m_alignGroup->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action] { AlignButtonClick(action->data().toInt()); });
        *align.slot = action;
    }
    connect(button("ToolButtonIndent", QStringLiteral("format-indent-more")), &QAction::triggered,
            this, [this] { ToolButtonIndentClick(); });

    bar->addSeparator();
    m_bulletsButton = button("BulletsButton", QStringLiteral("hx-list-unordered"), true);
    connect(m_bulletsButton, &QAction::triggered, this,
            [this] { BulletsButtonClick(m_bulletsButton); });
    m_orderedButton = button("ToolButton4", QStringLiteral("hx-list-ordered"));
    connect(m_orderedButton, &QAction::triggered, this,
            [this] { BulletsButtonClick(m_orderedButton); });
    connect(button("ToolButtonMulti", QStringLiteral("hx-line-break")), &QAction::triggered, this,
            [this] { Linebreak1Click(); });
    connect(button("ToolButtonLine", QStringLiteral("hx-horizontal-line")), &QAction::triggered,
            this, [this] { Horizontalline1Click(); });
}

void WrapController::wrap(WrapCommand command, std::initializer_list<QAction*> release) {
    WrapSelection(m_context.buffer(), command);
    // The toggle buttons only look like switches: a command never leaves one pressed.
    for (QAction* action : release)
        action->setChecked(false);
}

void WrapController::BoldButtonClick() {
    wrap(WrapCommand::Bold, {m_boldButton});
}

void WrapController::ItalicButtonClick() {
    wrap(WrapCommand::Italic, {m_italicButton});
}

void WrapController::UnderlineButtonClick(QAction* sender) {
    wrap(sender == m_strikeButton ? WrapCommand::Strike : WrapCommand::Underline,
         {m_underlineButton});
}

void WrapController::Sup1Click() {
    wrap(WrapCommand::Sup);
}

void WrapController::Sub1Click() {
    wrap(WrapCommand::Sub);
}

void WrapController::AlignButtonClick(int tag) {
    wrap(AlignmentForTag(tag), {m_leftAlign, m_centerAlign, m_rightAlign, m_justifyButton});
}

void WrapController::ToolButtonIndentClick() {
    wrap(WrapCommand::Indent);
}

void WrapController::HeadingClick(int level) {
    wrap(WrapCommand(int(WrapCommand::H1) + qBound(1, level, 6) - 1));
}

void WrapController::Kommentar1Click() {
    wrap(WrapCommand::Comment);
}

void WrapController::Linebreak1Click() {
    InsertLineBreak(m_context.buffer());
}

void WrapController::Horizontalline1Click() {
    InsertHorizontalLine(m_context.buffer());
}

void WrapController::Script1Click() {
    InsertScriptBlock(m_context.buffer());
}

void WrapController::BulletsButtonClick(QAction* sender) {
    const bool ordered = sender == m_orderedButton || sender == m_orderedItem;
    m_bulletsButton->setChecked(false);
    ListCommand(m_context.buffer(), ordered ? ListKind::Ordered : ListKind::Unordered);
}
