#include "features/links/font_pickers.h"

#include "widgets/icons.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QToolBar>

namespace {

// Item data: a fixed colour, or the palette role a system colour stands for.
constexpr int ColourRole = Qt::UserRole;
constexpr int PaletteRole = Qt::UserRole + 1;

struct SystemColour {
    const char* name;
    QPalette::ColorRole role;
};
// The desktop's own colours; the SPAN gets what they are at the time of the command.
constexpr SystemColour kSystemColours[] = {
    {"Window", QPalette::Window},
    {"Window text", QPalette::WindowText},
    {"Text background", QPalette::Base},
    {"Text", QPalette::Text},
    {"Button face", QPalette::Button},
    {"Button text", QPalette::ButtonText},
    {"Highlight", QPalette::Highlight},
    {"Highlight text", QPalette::HighlightedText},
    {"Info background", QPalette::ToolTipBase},
    {"Info text", QPalette::ToolTipText},
    {"Link", QPalette::Link},
    {"Visited link", QPalette::LinkVisited},
    {"Light", QPalette::Light},
    {"Shadow", QPalette::Shadow},
};

struct PickerHints {
    const char* font;
    const char* colour;
    const char* size;
};
constexpr PickerHints kGermanHints{"Schriftart", "Schriftfarbe", "Schriftgröße in Pixel"};
constexpr PickerHints kEnglishHints{"Font name", "Font colour", "Font size in pixels"};

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x60, 0x60, 0x60));
    painter.setBrush(colour);
    painter.drawRect(1, 2, 13, 11);
    return QIcon(pixmap);
}

QColor toQColor(const RgbColour& c) {
    return QColor(c.red, c.green, c.blue);
}

RgbColour toRgb(const QColor& c) {
    return {c.red(), c.green(), c.blue()};
}

} // namespace

FontPickers::FontPickers(
    QToolBar* bar, const QStringList& fonts,
    std::function<std::optional<RgbColour>(const RgbColour& initial)> chooseColour)
    : QObject(bar), m_chooseColour(std::move(chooseColour)) {
    ComboFont1 = new QComboBox;
    ComboFont1->setObjectName(QStringLiteral("ComboFont1"));
    ComboFont1->setEditable(true);
    ComboFont1->setInsertPolicy(QComboBox::NoInsert);
    ComboFont1->addItems(fonts);
    // Without Arial itself, the family the desktop shows for "Arial" (a metric twin).
    int arial = int(fonts.indexOf(QStringLiteral("Arial")));
    if (arial < 0)
        arial = int(fonts.indexOf(QFontInfo(QFont(QStringLiteral("Arial"))).family()));
    ComboFont1->setCurrentIndex(arial);
    ComboFont1->setMinimumContentsLength(11);
    ComboFont1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    ComboColor = new QComboBox;
    ComboColor->setObjectName(QStringLiteral("ComboColor"));
    for (const NamedColour& named : namedColours())
        ComboColor->addItem(swatch(toQColor(named.colour)), named.name, toQColor(named.colour));
    const QPalette palette = QApplication::palette();
    for (const SystemColour& system : kSystemColours) {
        ComboColor->addItem(swatch(palette.color(system.role)), QLatin1String(system.name));
        ComboColor->setItemData(ComboColor->count() - 1, int(system.role), PaletteRole);
    }
    ComboColor->addItem(QStringLiteral("Custom..."));
    ComboColor->setCurrentIndex(0);
    ComboColor->setMaxVisibleItems(20);
    ComboColor->setMinimumContentsLength(9);
    ComboColor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(ComboColor, &QComboBox::activated, this, [this](int index) { colourChosen(index); });

    EditSize = new QComboBox;
    EditSize->setObjectName(QStringLiteral("EditSize"));
    EditSize->setEditable(true);
    EditSize->setInsertPolicy(QComboBox::NoInsert);
    for (QLatin1String size : fontSizeItems())
        EditSize->addItem(size);
    EditSize->setCurrentIndex(-1);
    EditSize->setMinimumContentsLength(3);
    EditSize->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    const char* icons[] = {"hx-font-span", "hx-color-code", "hx-font-size"};
    int i = 0;
    for (QComboBox* box : {ComboFont1, ComboColor, EditSize}) {
        // Clicking a picker must not take the focus from the editor.
        box->setFocusPolicy(Qt::ClickFocus);
        // The action stands for the picker where the toolbar has no room for it.
        QAction* action = bar->addWidget(box);
        action->setObjectName(box->objectName() + QStringLiteral("Action"));
        action->setIcon(themedIcon(QLatin1String(icons[i++])));
        m_actions << action;
    }
}

int FontPickers::customIndex() const {
    return ComboColor->count() - 1;
}

void FontPickers::colourChosen(int index) {
    if (index != customIndex()) {
        m_lastColourIndex = index;
        return;
    }
    const FontSpanFields now = fields();
    const std::optional<RgbColour> chosen =
        m_chooseColour ? m_chooseColour(now.ComboColor.value_or(RgbColour{})) : std::nullopt;
    if (!chosen) {
        ComboColor->setCurrentIndex(m_lastColourIndex);
        return;
    }
    const QColor colour = toQColor(*chosen);
    const QString name = colourToHtml(*chosen);
    int at = ComboColor->findText(name);
    if (at < 0) {
        at = customIndex();
        ComboColor->insertItem(at, swatch(colour), name, colour);
    }
    ComboColor->setCurrentIndex(at);
    m_lastColourIndex = at;
}

FontSpanFields FontPickers::fields() const {
    FontSpanFields f;
    f.ComboFont1 = ComboFont1->currentText();
    f.EditSize = EditSize->currentText();
    const int index = ComboColor->currentIndex();
    const QVariant fixed = ComboColor->itemData(index, ColourRole);
    const QVariant role = ComboColor->itemData(index, PaletteRole);
    if (fixed.isValid())
        f.ComboColor = toRgb(fixed.value<QColor>());
    else if (role.isValid())
        f.ComboColor = toRgb(QApplication::palette().color(QPalette::ColorRole(role.toInt())));
    else
        f.ComboColor = std::nullopt;
    return f;
}

void FontPickers::applyLanguage(UiLanguage language) {
    const PickerHints& hints = language == UiLanguage::German ? kGermanHints : kEnglishHints;
    const char* texts[] = {hints.font, hints.colour, hints.size};
    QComboBox* boxes[] = {ComboFont1, ComboColor, EditSize};
    for (int i = 0; i < 3; ++i) {
        const QString hint = QString::fromUtf8(texts[i]);
        m_actions[i]->setText(hint);
        m_actions[i]->setToolTip(hint);
        boxes[i]->setToolTip(hint);
    }
}
