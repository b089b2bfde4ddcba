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
const UiText ColourHint{"Farbe wählen", "Choose colour"};
const UiText HelpHint{"Hilfe", "Help"};

constexpr int HelpContext = 140;

QLineEdit* edit(const char* name) {
    return named(new QLineEdit, name);
}

// Typed text counts as much as the items; typing must not add items to the list.
QComboBox* combo(const char* name, const QStringList& items) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
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
    auto* panel = named(new QFrame, name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(24, 22);
    return panel;
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

TFormCss::TFormCss(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormCss"));
    setWindowTitle(QStringLiteral("CSS "));

    m_class = edit("EditClass");
    m_classChoice = named(new QRadioButton(QStringLiteral("Class")), "RadioButton1");
    m_idChoice = named(new QRadioButton(QStringLiteral("ID")), "RadioButton2");
    auto* selector = named(new QGroupBox, "GroupBoxSelector");
    auto* selectorRow = new QHBoxLayout(selector);
    selectorRow->addWidget(m_class, 1);
    selectorRow->addWidget(m_classChoice);
    selectorRow->addWidget(m_idChoice);

    m_miscGroup = named(new QGroupBox, "GroupBoxMisc");
    m_position = combo("ComboBoxPosition", CssChoices::position());
    m_top = edit("EditTop");
    m_left = edit("EditLeft");
    m_width = edit("EditWidth");
    m_padding = edit("EditPadding");
    m_margin = edit("EditMargin");
    QFormLayout* misc = form(m_miscGroup);
    misc->addRow(QStringLiteral("position"), m_position);
    misc->addRow(QStringLiteral("top"), m_top);
    misc->addRow(QStringLiteral("left"), m_left);
    misc->addRow(QStringLiteral("width"), m_width);
    misc->addRow(QStringLiteral("padding"), m_padding);
    misc->addRow(QStringLiteral("margin"), m_margin);

    m_borderGroup = named(new QGroupBox, "GroupBoxBorder");
    m_borderWidth = combo("EditBorder", CssChoices::borderWidth());
    m_borderColour = edit("EditBColor");
    m_borderColourButton = colourButton("BitBtn5");
    m_borderSwatch = swatch("Panel3");
    m_borderStyle = combo("ComboBStyle", CssChoices::borderStyle());
    QFormLayout* border = form(m_borderGroup);
    border->addRow(QStringLiteral("border-width"), m_borderWidth);
    border->addRow(QStringLiteral("border-color"),
                   colourRow(m_borderColour, m_borderColourButton, m_borderSwatch));
    border->addRow(QStringLiteral("border-style"), m_borderStyle);

    m_fontGroup = named(new QGroupBox, "GroupBoxFont");
    m_font = edit("EditFont");
    m_fontSize = edit("EditFontSize");
    m_fontWeight = combo("ComboBoxWeight", CssChoices::fontWeight());
    m_fontStyle = combo("ComboBoxStyle", CssChoices::fontStyle());
    m_textColour = edit("EditFColor");
    m_textColourButton = colourButton("BitBtn4");
    m_textSwatch = swatch("Panel2");
    m_decoration = combo("ComboBox1", CssChoices::textDecoration());
    m_textAlign = combo("ComboBox2", CssChoices::textAlign());
    QFormLayout* font = form(m_fontGroup);
    font->addRow(QStringLiteral("font-family"), m_font);
    font->addRow(QStringLiteral("font-size"), m_fontSize);
    font->addRow(QStringLiteral("font-weight"), m_fontWeight);
    font->addRow(QStringLiteral("font-style"), m_fontStyle);
    font->addRow(QStringLiteral("color"),
                 colourRow(m_textColour, m_textColourButton, m_textSwatch));
    font->addRow(QStringLiteral("text-decoration"), m_decoration);
    font->addRow(QStringLiteral("text-align"), m_textAlign);

    m_backgroundGroup = named(new QGroupBox, "GroupBoxBackground");
    m_backUrl = edit("EditBackUrl");
    auto* urlRow = new QWidget;
    auto* urlLayout = new QHBoxLayout(urlRow);
    urlLayout->setContentsMargins(0, 0, 0, 0);
    urlLayout->setSpacing(2);
    urlLayout->addWidget(new QLabel(QStringLiteral("url(")));
    urlLayout->addWidget(m_backUrl, 1);
    urlLayout->addWidget(new QLabel(QStringLiteral(")")));
    m_repeat = combo("ComboRepeat", CssChoices::backgroundRepeat());
    m_backPosition = combo("ComboPosition", CssChoices::backgroundPosition());
    m_attach = combo("ComboAttach", CssChoices::backgroundAttachment());
    m_backColour = edit("EditBgColor");
    m_backColourButton = colourButton("BitBtn3");
    m_backSwatch = swatch("Panel1");
    QFormLayout* background = form(m_backgroundGroup);
    background->addRow(QStringLiteral("background-image"), urlRow);
    background->addRow(QStringLiteral("background-repeat"), m_repeat);
    background->addRow(QStringLiteral("background-position"), m_backPosition);
    background->addRow(QStringLiteral("background-attachment"), m_attach);
    background->addRow(QStringLiteral("background-color"),
                       colourRow(m_backColour, m_backColourButton, m_backSwatch));

    auto* links = named(new QGroupBox(QStringLiteral("Links")), "GroupBoxLinks");
    m_linkStyles = named(new QCheckBox, "CheckBox1");
    m_link = edit("Edit1");
    m_visited = edit("Edit2");
    m_focus = edit("Edit3");
    m_hover = edit("Edit4");
    m_active = edit("Edit5");
    QFormLayout* linkRows = form(links);
    linkRows->addRow(m_linkStyles);
    linkRows->addRow(QStringLiteral("a:link"), m_link);
    linkRows->addRow(QStringLiteral("a:visited"), m_visited);
    linkRows->addRow(QStringLiteral("a:focus"), m_focus);
    linkRows->addRow(QStringLiteral("a:hover"), m_hover);
    linkRows->addRow(QStringLiteral("a:active"), m_active);

    m_help = named(new QToolButton, "SpeedButton1");
    m_help->setIcon(QIcon::fromTheme(QStringLiteral("help-contents"),
                                     themedIcon(QStringLiteral("hx-css-help"))));
    auto* buttons = new QDialogButtonBox;
    m_ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "BitBtn1");
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "BitBtn2");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_help);
    bottom->addWidget(buttons, 1);

    auto* columns = new QGridLayout;
    columns->addWidget(m_miscGroup, 0, 0);
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
    const QList<QWidget*> chain{m_class,
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
                                m_font,
                                m_fontSize,
                                m_fontWeight,
                                m_fontStyle,
                                m_textColour,
                                m_textColourButton,
                                m_decoration,
                                m_textAlign,
                                m_backUrl,
                                m_repeat,
                                m_backPosition,
                                m_attach,
                                m_backColour,
                                m_backColourButton,
                                m_linkStyles,
                                m_link,
                                m_visited,
                                m_focus,
                                m_hover,
                                m_active,
                                m_ok,
                                m_cancel,
                                m_help};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    for (QToolButton* b : {m_borderColourButton, m_textColourButton, m_backColourButton, m_help})
        b->setFocusPolicy(Qt::StrongFocus);

    connect(m_ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(m_backColourButton, &QToolButton::clicked, this, [this] { BitBtn3Click(); });
    connect(m_textColourButton, &QToolButton::clicked, this, [this] { BitBtn4Click(); });
    connect(m_borderColourButton, &QToolButton::clicked, this, [this] { BitBtn5Click(); });
    connect(m_help, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    installHelpKey(this, HelpContext, [this] { return Sprache; });

    setFields(CssFields());
    applyLanguage();
}

void TFormCss::applyLanguage() {
    const UiLanguage s = Sprache;
    m_miscGroup->setTitle(MiscCaption.in(s));
    m_borderGroup->setTitle(BorderCaption.in(s));
    m_fontGroup->setTitle(FontCaption.in(s));
    m_backgroundGroup->setTitle(BackgroundCaption.in(s));
    m_linkStyles->setText(LinkStylesCaption.in(s));
    m_cancel->setText(CancelCaption.in(s));
    for (QToolButton* b : {m_borderColourButton, m_textColourButton, m_backColourButton})
        b->setToolTip(ColourHint.in(s));
    m_help->setToolTip(HelpHint.in(s));
}

int TFormCss::ShowModal() {
    applyLanguage();
    MyStyle.clear();
    CssFields f = fields();
    CssDialogOpening(f);
    setFields(f);
    for (QFrame* s : {m_borderSwatch, m_textSwatch, m_backSwatch})
        resetSwatch(s);
    // Not on the button that closed it last time, where Enter would mean Cancel.
    m_class->setFocus();
    return exec();
}

CssFields TFormCss::fields() const {
    CssFields f;
    f.EditClass = m_class->text();
    f.RadioButton1 = m_classChoice->isChecked();
    f.ComboBoxPosition = m_position->currentText();
    f.EditTop = m_top->text();
    f.EditLeft = m_left->text();
    f.EditWidth = m_width->text();
    f.EditPadding = m_padding->text();
    f.EditMargin = m_margin->text();
    f.EditBorder = m_borderWidth->currentText();
    f.EditBColor = m_borderColour->text();
    f.ComboBStyle = m_borderStyle->currentText();
    f.EditFont = m_font->text();
    f.EditFontSize = m_fontSize->text();
    f.ComboBoxWeight = m_fontWeight->currentText();
    f.ComboBoxStyle = m_fontStyle->currentText();
    f.EditFColor = m_textColour->text();
    f.ComboBox1 = m_decoration->currentText();
    f.ComboBox2 = m_textAlign->currentText();
    f.EditBackUrl = m_backUrl->text();
    f.ComboRepeat = m_repeat->currentText();
    f.ComboPosition = m_backPosition->currentText();
    f.ComboAttach = m_attach->currentText();
    f.EditBgColor = m_backColour->text();
    f.CheckBox1 = m_linkStyles->isChecked();
    f.Edit1 = m_link->text();
    f.Edit2 = m_visited->text();
    f.Edit3 = m_focus->text();
    f.Edit4 = m_hover->text();
    f.Edit5 = m_active->text();
    return f;
}

void TFormCss::setFields(const CssFields& f) {
    m_class->setText(f.EditClass);
    (f.RadioButton1 ? m_classChoice : m_idChoice)->setChecked(true);
    setComboText(m_position, f.ComboBoxPosition);
    m_top->setText(f.EditTop);
    m_left->setText(f.EditLeft);
    m_width->setText(f.EditWidth);
    m_padding->setText(f.EditPadding);
    m_margin->setText(f.EditMargin);
    setComboText(m_borderWidth, f.EditBorder);
    m_borderColour->setText(f.EditBColor);
    setComboText(m_borderStyle, f.ComboBStyle);
    m_font->setText(f.EditFont);
    m_fontSize->setText(f.EditFontSize);
    setComboText(m_fontWeight, f.ComboBoxWeight);
    setComboText(m_fontStyle, f.ComboBoxStyle);
    m_textColour->setText(f.EditFColor);
    setComboText(m_decoration, f.ComboBox1);
    setComboText(m_textAlign, f.ComboBox2);
    m_backUrl->setText(f.EditBackUrl);
    setComboText(m_repeat, f.ComboRepeat);
    setComboText(m_backPosition, f.ComboPosition);
    setComboText(m_attach, f.ComboAttach);
    m_backColour->setText(f.EditBgColor);
    m_linkStyles->setChecked(f.CheckBox1);
    m_link->setText(f.Edit1);
    m_visited->setText(f.Edit2);
    m_focus->setText(f.Edit3);
    m_hover->setText(f.Edit4);
    m_active->setText(f.Edit5);
}

void TFormCss::BitBtn1Click() {
    CssFields f = fields();
    MyStyle = CssDialogOk(f, OneLine);
    // The finished selector shows in the class field the next time.
    m_class->setText(f.EditClass);
    accept();
}

void TFormCss::BitBtn2Click() {
    reject();
}

void TFormCss::BitBtn3Click() {
    pickColour(m_backColour, m_backSwatch);
}

void TFormCss::BitBtn4Click() {
    pickColour(m_textColour, m_textSwatch);
}

void TFormCss::BitBtn5Click() {
    pickColour(m_borderColour, m_borderSwatch);
}

void TFormCss::SpeedButton1Click() {
    showHelpTopic(this, HelpContext, Sprache);
}

void TFormCss::resetSwatch(QFrame* panel) {
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, palette().color(QPalette::Button));
    panel->setPalette(p);
}

void TFormCss::pickColour(QLineEdit* field, QFrame* panel) {
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
