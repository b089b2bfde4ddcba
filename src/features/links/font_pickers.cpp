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
    UiText name;
    QPalette::ColorRole role;
};
// The desktop's own colours; the SPAN gets what they are at the time of the command.
const SystemColour kSystemColours[] = {
    {{"Fenster", "Window"}, QPalette::Window},
    {{"Fenstertext", "Window text"}, QPalette::WindowText},
    {{"Texthintergrund", "Text background"}, QPalette::Base},
    {{"Text", "Text"}, QPalette::Text},
    {{"Schaltfläche", "Button face"}, QPalette::Button},
    {{"Schaltflächentext", "Button text"}, QPalette::ButtonText},
    {{"Markierung", "Highlight"}, QPalette::Highlight},
    {{"Markierter Text", "Highlight text"}, QPalette::HighlightedText},
    {{"Infohintergrund", "Info background"}, QPalette::ToolTipBase},
    {{"Infotext", "Info text"}, QPalette::ToolTipText},
    {{"Verweis", "Link"}, QPalette::Link},
    {{"Besuchter Verweis", "Visited link"}, QPalette::LinkVisited},
    {{"Hell", "Light"}, QPalette::Light},
    {{"Schatten", "Shadow"}, QPalette::Shadow},
};
const UiText CustomColour{"Andere Farbe...", "Custom..."};

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
    m_fontName = new QComboBox;
    m_fontName->setObjectName(QStringLiteral("fontNameCombo"));
    m_fontName->setEditable(true);
    m_fontName->setInsertPolicy(QComboBox::NoInsert);
    m_fontName->addItems(fonts);
    // Without Arial itself, the family the desktop shows for "Arial" (a metric twin).
    int arial = int(fonts.indexOf(QStringLiteral("Arial")));
    if (arial < 0)
        arial = int(fonts.indexOf(QFontInfo(QFont(QStringLiteral("Arial"))).family()));
    m_fontName->setCurrentIndex(arial);
    m_fontName->setMinimumContentsLength(11);
    m_fontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    m_fontColour = new QComboBox;
    m_fontColour->setObjectName(QStringLiteral("fontColourCombo"));
    for (const NamedColour& named : namedColours())
        m_fontColour->addItem(swatch(toQColor(named.colour)), named.name.in(UiLanguage::English),
                              toQColor(named.colour));
    const QPalette palette = QApplication::palette();
    for (const SystemColour& system : kSystemColours) {
        m_fontColour->addItem(swatch(palette.color(system.role)),
                              system.name.in(UiLanguage::English));
        m_fontColour->setItemData(m_fontColour->count() - 1, int(system.role), PaletteRole);
    }
    m_fontColour->addItem(CustomColour.in(UiLanguage::English));
    m_fontColour->setCurrentIndex(0);
    m_fontColour->setMaxVisibleItems(20);
    m_fontColour->setMinimumContentsLength(9);
    m_fontColour->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(m_fontColour, &QComboBox::activated, this, [this](int index) { pickColour(index); });

    m_fontSize = new QComboBox;
    m_fontSize->setObjectName(QStringLiteral("fontSizeCombo"));
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (QLatin1String size : fontSizeItems())
        m_fontSize->addItem(size);
    m_fontSize->setCurrentIndex(-1);
    m_fontSize->setMinimumContentsLength(3);
    m_fontSize->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    const char* icons[] = {"hx-font-span", "hx-color-code", "hx-font-size"};
    int i = 0;
    for (QComboBox* box : {m_fontName, m_fontColour, m_fontSize}) {
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
    return m_fontColour->count() - 1;
}

void FontPickers::pickColour(int index) {
    if (index != customIndex()) {
        m_lastColourIndex = index;
        return;
    }
    const FontSpanFields now = fields();
    const std::optional<RgbColour> chosen =
        m_chooseColour ? m_chooseColour(now.colour.value_or(RgbColour{})) : std::nullopt;
    if (!chosen) {
        m_fontColour->setCurrentIndex(m_lastColourIndex);
        return;
    }
    const QColor colour = toQColor(*chosen);
    const QString name = colourToHtml(*chosen);
    int at = m_fontColour->findText(name);
    if (at < 0) {
        at = customIndex();
        m_fontColour->insertItem(at, swatch(colour), name, colour);
    }
    m_fontColour->setCurrentIndex(at);
    m_lastColourIndex = at;
}

FontSpanFields FontPickers::fields() const {
    FontSpanFields f;
    f.family = m_fontName->currentText();
    f.size = m_fontSize->currentText();
    const int index = m_fontColour->currentIndex();
    const QVariant fixed = m_fontColour->itemData(index, ColourRole);
    const QVariant role = m_fontColour->itemData(index, PaletteRole);
    if (fixed.isValid())
        f.colour = toRgb(fixed.value<QColor>());
    else if (role.isValid())
        f.colour = toRgb(QApplication::palette().color(QPalette::ColorRole(role.toInt())));
    else
        f.colour = std::nullopt;
    return f;
}

void FontPickers::applyLanguage(UiLanguage language) {
    const PickerHints& hints = language == UiLanguage::German ? kGermanHints : kEnglishHints;
    const char* texts[] = {hints.font, hints.colour, hints.size};
    QComboBox* boxes[] = {m_fontName, m_fontColour, m_fontSize};
    for (int i = 0; i < 3; ++i) {
        const QString hint = QString::fromUtf8(texts[i]);
        m_actions[i]->setText(hint);
        m_actions[i]->setToolTip(hint);
        boxes[i]->setToolTip(hint);
    }
    // Named and system colours lead the list; colours the user picked stand before "Custom...".
    int item = 0;
    for (const NamedColour& named : namedColours())
        m_fontColour->setItemText(item++, named.name.in(language));
    for (const SystemColour& system : kSystemColours)
        m_fontColour->setItemText(item++, system.name.in(language));
    m_fontColour->setItemText(customIndex(), CustomColour.in(language));
}
