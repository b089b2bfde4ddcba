#include "features/styles/css_dialog.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"

#include "foundation/markup/html_color.h"
#include "widgets/help.h"
#include "widgets/icons.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The dialog's texts that follow its language, German first.
const UiText MiscCaption{"Verschiedenes/Position", "Misc/Position"};
const UiText BorderCaption{"Rahmen", "Border"};
const UiText FontCaption{"Schrift", "Font"};
const UiText BackgroundCaption{"Hintergrund", "Background"};
const UiText LinkStylesCaption{"Link Styles verwenden", "Use link styles"};
const UiText CancelCaption{"Abbrechen", "Cancel"};
const UiText ClassChoiceCaption{"Klasse", "Class"};
const UiText ColourHint{"Farbe wählen", "Choose colour"};
const UiText HelpHint{"Hilfe", "Help"};

constexpr int HelpContext = 140;

QLineEdit* edit(const char* name) {
    return named(new QLineEdit, name);
}

// Empty until the user picks or types a value.
QComboBox* combo(const char* name, const QStringList& items) {
    QComboBox* box = namedEditableCombo(name, items);
    box->setCurrentIndex(-1);
    box->setMinimumContentsLength(10);
    return box;
}

QToolButton* colourButton(const char* name) {
    auto* button = named(new QToolButton, name);
    button->setIcon(themedIcon(QStringLiteral("hx-css-colour")));
    button->setAutoRaise(false);
    return button;
}

QFrame* swatch(const char* name) {
    return namedColourSwatch(name, 24);
}

QWidget* colourRow(QLineEdit* field, QToolButton* button, QFrame* panel) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(button);
    layout->addWidget(panel);
    return row;
}

QFormLayout* form(QGroupBox* group) {
    auto* layout = new QFormLayout(group);
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return layout;
}

void setComboText(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    box->setCurrentIndex(text.isEmpty() ? -1 : index);
    box->setEditText(text);
}

} // namespace

CssDialog::CssDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("cssDialog"));
    setWindowTitle(QStringLiteral("CSS "));

    m_selector = edit("selectorEdit");
    m_classChoice = named(new QRadioButton(QStringLiteral("Class")), "classRadioButton");
    m_idChoice = named(new QRadioButton(QStringLiteral("ID")), "idRadioButton");
    auto* selector = named(new QGroupBox, "selectorGroup");
    auto* selectorRow = new QHBoxLayout(selector);
    selectorRow->addWidget(m_selector, 1);
    selectorRow->addWidget(m_classChoice);
    selectorRow->addWidget(m_idChoice);

    m_positionGroup = named(new QGroupBox, "positionGroup");
    m_position = combo("positionCombo", CssChoices::position());
    m_top = edit("topEdit");
    m_left = edit("leftEdit");
    m_width = edit("widthEdit");
    m_padding = edit("paddingEdit");
    m_margin = edit("marginEdit");
    QFormLayout* positionRows = form(m_positionGroup);
    positionRows->addRow(QStringLiteral("position"), m_position);
    positionRows->addRow(QStringLiteral("top"), m_top);
    positionRows->addRow(QStringLiteral("left"), m_left);
    positionRows->addRow(QStringLiteral("width"), m_width);
    positionRows->addRow(QStringLiteral("padding"), m_padding);
    positionRows->addRow(QStringLiteral("margin"), m_margin);

    m_borderGroup = named(new QGroupBox, "borderGroup");
    m_borderWidth = combo("borderWidthCombo", CssChoices::borderWidth());
    m_borderColour = edit("borderColourEdit");
    m_borderColourButton = colourButton("borderColourButton");
    m_borderSwatch = swatch("borderColourSwatch");
    m_borderStyle = combo("borderStyleCombo", CssChoices::borderStyle());
    QFormLayout* border = form(m_borderGroup);
    border->addRow(QStringLiteral("border-width"), m_borderWidth);
    border->addRow(QStringLiteral("border-color"),
                   colourRow(m_borderColour, m_borderColourButton, m_borderSwatch));
    border->addRow(QStringLiteral("border-style"), m_borderStyle);

    m_fontGroup = named(new QGroupBox, "fontGroup");
    m_fontFamily = edit("fontFamilyEdit");
    m_fontSize = edit("fontSizeEdit");
    m_fontWeight = combo("fontWeightCombo", CssChoices::fontWeight());
    m_fontStyle = combo("fontStyleCombo", CssChoices::fontStyle());
    m_textColour = edit("textColourEdit");
    m_textColourButton = colourButton("textColourButton");
    m_textSwatch = swatch("textColourSwatch");
    m_textDecoration = combo("textDecorationCombo", CssChoices::textDecoration());
    m_textAlign = combo("textAlignCombo", CssChoices::textAlign());
    QFormLayout* font = form(m_fontGroup);
    font->addRow(QStringLiteral("font-family"), m_fontFamily);
    font->addRow(QStringLiteral("font-size"), m_fontSize);
    font->addRow(QStringLiteral("font-weight"), m_fontWeight);
    font->addRow(QStringLiteral("font-style"), m_fontStyle);
    font->addRow(QStringLiteral("color"),
                 colourRow(m_textColour, m_textColourButton, m_textSwatch));
    font->addRow(QStringLiteral("text-decoration"), m_textDecoration);
    font->addRow(QStringLiteral("text-align"), m_textAlign);

    m_backgroundGroup = named(new QGroupBox, "backgroundGroup");
    m_backgroundImageUrl = edit("backgroundImageEdit");
    auto* urlRow = new QWidget;
    auto* urlLayout = new QHBoxLayout(urlRow);
    urlLayout->setContentsMargins(0, 0, 0, 0);
    urlLayout->setSpacing(2);
    urlLayout->addWidget(new QLabel(QStringLiteral("url(")));
    urlLayout->addWidget(m_backgroundImageUrl, 1);
    urlLayout->addWidget(new QLabel(QStringLiteral(")")));
    m_backgroundRepeat = combo("backgroundRepeatCombo", CssChoices::backgroundRepeat());
    m_backgroundPosition = combo("backgroundPositionCombo", CssChoices::backgroundPosition());
    m_backgroundAttachment = combo("backgroundAttachmentCombo", CssChoices::backgroundAttachment());
    m_backgroundColour = edit("backgroundColourEdit");
    m_backgroundColourButton = colourButton("backgroundColourButton");
    m_backgroundSwatch = swatch("backgroundColourSwatch");
    QFormLayout* background = form(m_backgroundGroup);
    background->addRow(QStringLiteral("background-image"), urlRow);
    background->addRow(QStringLiteral("background-repeat"), m_backgroundRepeat);
    background->addRow(QStringLiteral("background-position"), m_backgroundPosition);
    background->addRow(QStringLiteral("background-attachment"), m_backgroundAttachment);
    background->addRow(QStringLiteral("background-color"),
                       colourRow(m_backgroundColour, m_backgroundColourButton, m_backgroundSwatch));

    auto* links = named(new QGroupBox(QStringLiteral("Links")), "linksGroup");
    m_useLinkStyles = named(new QCheckBox, "useLinkStylesCheckBox");
    m_linkStyle = edit("linkStyleEdit");
    m_visitedStyle = edit("visitedStyleEdit");
    m_focusStyle = edit("focusStyleEdit");
    m_hoverStyle = edit("hoverStyleEdit");
    m_activeStyle = edit("activeStyleEdit");
    QFormLayout* linkRows = form(links);
    linkRows->addRow(m_useLinkStyles);
    linkRows->addRow(QStringLiteral("a:link"), m_linkStyle);
    linkRows->addRow(QStringLiteral("a:visited"), m_visitedStyle);
    linkRows->addRow(QStringLiteral("a:focus"), m_focusStyle);
    linkRows->addRow(QStringLiteral("a:hover"), m_hoverStyle);
    linkRows->addRow(QStringLiteral("a:active"), m_activeStyle);

    m_help = named(new QToolButton, "helpButton");
    m_help->setIcon(QIcon::fromTheme(QStringLiteral("help-contents"),
                                     themedIcon(QStringLiteral("hx-css-help"))));
    auto* buttons = new QDialogButtonBox;
    m_ok =
        named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "okButton");
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "cancelButton");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_help);
    bottom->addWidget(buttons, 1);

    auto* columns = new QGridLayout;
    columns->addWidget(m_positionGroup, 0, 0);
    columns->addWidget(m_borderGroup, 1, 0);
    columns->addWidget(m_fontGroup, 0, 1);
    columns->addWidget(m_backgroundGroup, 1, 1);
    columns->setRowStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selector);
    layout->addLayout(columns);
    layout->addWidget(links);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Only once the button is in the dialog does Enter fall back to it after focus left Cancel.
    m_ok->setDefault(true);

    // Column by column, as the groups read, not in the order the widgets were made.
    const QList<QWidget*> chain{m_selector,
                                m_classChoice,
                                m_idChoice,
                                m_position,
                                m_top,
                                m_left,
                                m_width,
                                m_padding,
                                m_margin,
                                m_borderWidth,
                                m_borderColour,
                                m_borderColourButton,
                                m_borderStyle,
                                m_fontFamily,
                                m_fontSize,
                                m_fontWeight,
                                m_fontStyle,
                                m_textColour,
                                m_textColourButton,
                                m_textDecoration,
                                m_textAlign,
                                m_backgroundImageUrl,
                                m_backgroundRepeat,
                                m_backgroundPosition,
                                m_backgroundAttachment,
                                m_backgroundColour,
                                m_backgroundColourButton,
                                m_useLinkStyles,
                                m_linkStyle,
                                m_visitedStyle,
                                m_focusStyle,
                                m_hoverStyle,
                                m_activeStyle,
                                m_ok,
                                m_cancel,
                                m_help};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    for (QToolButton* b :
         {m_borderColourButton, m_textColourButton, m_backgroundColourButton, m_help})
        b->setFocusPolicy(Qt::StrongFocus);

    connect(m_ok, &QPushButton::clicked, this, &CssDialog::acceptStyle);
    connect(m_cancel, &QPushButton::clicked, this, &CssDialog::reject);
    connect(m_backgroundColourButton, &QToolButton::clicked, this,
            &CssDialog::pickBackgroundColour);
    connect(m_textColourButton, &QToolButton::clicked, this, &CssDialog::pickTextColour);
    connect(m_borderColourButton, &QToolButton::clicked, this, &CssDialog::pickBorderColour);
    connect(m_help, &QToolButton::clicked, this, &CssDialog::showHelp);
    installHelpKey(this, HelpContext, [this] { return m_language; });

    setFields(CssFields());
    applyLanguage();
}

void CssDialog::applyLanguage() {
    const UiLanguage s = m_language;
    m_positionGroup->setTitle(MiscCaption.in(s));
    m_borderGroup->setTitle(BorderCaption.in(s));
    m_fontGroup->setTitle(FontCaption.in(s));
    m_backgroundGroup->setTitle(BackgroundCaption.in(s));
    m_useLinkStyles->setText(LinkStylesCaption.in(s));
    m_cancel->setText(CancelCaption.in(s));
    m_classChoice->setText(ClassChoiceCaption.in(s));
    for (QToolButton* b : {m_borderColourButton, m_textColourButton, m_backgroundColourButton})
        b->setToolTip(ColourHint.in(s));
    m_help->setToolTip(HelpHint.in(s));
}

int CssDialog::exec() {
    applyLanguage();
    m_style.clear();
    CssFields f = fields();
    resetCssFieldsForOpening(f);
    setFields(f);
    for (QFrame* s : {m_borderSwatch, m_textSwatch, m_backgroundSwatch})
        resetSwatch(s);
    // Not on the button that closed it last time, where Enter would mean Cancel.
    m_selector->setFocus();
    return QDialog::exec();
}

CssFields CssDialog::fields() const {
    CssFields f;
    f.selector = m_selector->text();
    f.isClass = m_classChoice->isChecked();
    f.position = m_position->currentText();
    f.top = m_top->text();
    f.left = m_left->text();
    f.width = m_width->text();
    f.padding = m_padding->text();
    f.margin = m_margin->text();
    f.borderWidth = m_borderWidth->currentText();
    f.borderColour = m_borderColour->text();
    f.borderStyle = m_borderStyle->currentText();
    f.fontFamily = m_fontFamily->text();
    f.fontSize = m_fontSize->text();
    f.fontWeight = m_fontWeight->currentText();
    f.fontStyle = m_fontStyle->currentText();
    f.textColour = m_textColour->text();
    f.textDecoration = m_textDecoration->currentText();
    f.textAlign = m_textAlign->currentText();
    f.backgroundImageUrl = m_backgroundImageUrl->text();
    f.backgroundRepeat = m_backgroundRepeat->currentText();
    f.backgroundPosition = m_backgroundPosition->currentText();
    f.backgroundAttachment = m_backgroundAttachment->currentText();
    f.backgroundColour = m_backgroundColour->text();
    f.useLinkStyles = m_useLinkStyles->isChecked();
    f.linkStyle = m_linkStyle->text();
    f.visitedStyle = m_visitedStyle->text();
    f.focusStyle = m_focusStyle->text();
    f.hoverStyle = m_hoverStyle->text();
    f.activeStyle = m_activeStyle->text();
    return f;
}

void CssDialog::setFields(const CssFields& f) {
    m_selector->setText(f.selector);
    (f.isClass ? m_classChoice : m_idChoice)->setChecked(true);
    setComboText(m_position, f.position);
    m_top->setText(f.top);
    m_left->setText(f.left);
    m_width->setText(f.width);
    m_padding->setText(f.padding);
    m_margin->setText(f.margin);
    setComboText(m_borderWidth, f.borderWidth);
    m_borderColour->setText(f.borderColour);
    setComboText(m_borderStyle, f.borderStyle);
    m_fontFamily->setText(f.fontFamily);
    m_fontSize->setText(f.fontSize);
    setComboText(m_fontWeight, f.fontWeight);
    setComboText(m_fontStyle, f.fontStyle);
    m_textColour->setText(f.textColour);
    setComboText(m_textDecoration, f.textDecoration);
    setComboText(m_textAlign, f.textAlign);
    m_backgroundImageUrl->setText(f.backgroundImageUrl);
    setComboText(m_backgroundRepeat, f.backgroundRepeat);
    setComboText(m_backgroundPosition, f.backgroundPosition);
    setComboText(m_backgroundAttachment, f.backgroundAttachment);
    m_backgroundColour->setText(f.backgroundColour);
    m_useLinkStyles->setChecked(f.useLinkStyles);
    m_linkStyle->setText(f.linkStyle);
    m_visitedStyle->setText(f.visitedStyle);
    m_focusStyle->setText(f.focusStyle);
    m_hoverStyle->setText(f.hoverStyle);
    m_activeStyle->setText(f.activeStyle);
}

void CssDialog::acceptStyle() {
    CssFields f = fields();
    m_style = composeStyle(f, m_oneLine);
    // The finished selector shows in the selector field the next time.
    m_selector->setText(f.selector);
    accept();
}

void CssDialog::pickBackgroundColour() {
    pickColour(m_backgroundColour, m_backgroundSwatch);
}

void CssDialog::pickTextColour() {
    pickColour(m_textColour, m_textSwatch);
}

void CssDialog::pickBorderColour() {
    pickColour(m_borderColour, m_borderSwatch);
}

void CssDialog::showHelp() {
    showHelpTopic(this, HelpContext, m_language);
}

void CssDialog::resetSwatch(QFrame* panel) {
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Button));
    panel->setPalette(p);
}

void CssDialog::pickColour(QLineEdit* field, QFrame* panel) {
    QColor initial = Qt::white;
    if (const std::optional<RgbColour> c = htmlToColour(field->text()))
        initial = QColor(c->red, c->green, c->blue);
    const QColor chosen = QColorDialog::getColor(initial, this);
    if (!chosen.isValid())
        return;
    field->setText(colourToHtml({chosen.red(), chosen.green(), chosen.blue()}));
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, chosen);
    panel->setPalette(p);
}
