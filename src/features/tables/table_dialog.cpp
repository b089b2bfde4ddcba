#include "features/tables/table_dialog.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"

#include "foundation/text/text_rules.h"
#include "widgets/help.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The dialog's texts that follow the UI language, German first.
const UiText Caption{"Tabelle", "Table"};
const UiText CancelText{"Abbrechen", "Cancel"};
const UiText BehindText{"Hinter Auswahl einfügen", "Insert behind selection"};
const UiText RowsHint{"Tabellenzeilen (TR)", "Table rows (TR)"};
const UiText ColsHint{"Tabellenzellen (TD)", "Table data/cells (TD)"};
const UiText TableWidthHint{"Tabellenbreite", "Table width"};
const UiText TableHeightHint{"Tabellenhöhe", "Table height"};
const UiText TableAlignHint{"Ausrichtung", "Ausrichtung"};
const UiText BorderHint{"Rahmenstärke", "Table border width"};
const UiText PaddingHint{"Zellenzwischenraum", "Cellpadding"};
const UiText SpacingHint{"Zellenabstand", "Cellspacing"};
const UiText CellWidthHint{"Breite", "Width"};
const UiText CellHeightHint{"Höhe", "Height"};
const UiText CellAlignHint{"Ausrichtung", "Alignment"};
const UiText ValignHint{"Vertikale Ausrichtung", "Vertical Alignment"};
const UiText ColourHint{"Hintergrungfarbe wählen", "Choose background color"};
const UiText ColspanHint{"Spaltenbereich", "Colspan"};
const UiText RowspanHint{"Zeilenbereich", "Rowspan"};

QLineEdit* edit(const char* name) {
    return named(new QLineEdit, name);
}

// Typed text counts as much as the items; typing must not add items to the list.
QComboBox* combo(const char* name, const QStringList& items) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

QFrame* preview(const char* name) {
    auto* panel = named(new QFrame, name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(40, 22);
    return panel;
}

// Label, field, label, field on one row of a grid.
void addPair(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
             QLabel** labelOut = nullptr) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, row, column * 2);
    grid->addWidget(field, row, column * 2 + 1);
    if (labelOut)
        *labelOut = label;
}

QWidget* colourRow(QLineEdit* field, QPushButton* button, QFrame* panel) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    layout->addWidget(button);
    layout->addWidget(panel);
    return row;
}

} // namespace

TFormTable::TFormTable(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormTable"));
    setWindowTitle(Caption.in(TLanguage));

    m_rows = edit("EditZeile");
    m_cols = edit("EditSpalte");
    m_tableWidth = edit("EditBreite");
    m_tableHeight = edit("EditHoehe");
    m_tableAlign = combo("ComboBox1",
                         {QStringLiteral("center"), QStringLiteral("left"), QStringLiteral("right"),
                          QStringLiteral("bleedleft"), QStringLiteral("bleedright")});
    m_border = edit("EditBorder");
    m_padding = edit("EditPadding");
    m_spacing = edit("EditSpacing");
    m_tableColour = edit("EditFarbe");
    m_tableColourButton = named(new QPushButton(QStringLiteral("...")), "Button2");
    m_tablePreview = preview("Panel2");

    m_cellWidth = edit("EditWidth");
    m_cellHeight = edit("EditHeight");
    m_cellAlign = combo("ComboBox2", {QStringLiteral("center"), QStringLiteral("left"),
                                      QStringLiteral("right"), QStringLiteral("justify")});
    m_cellValign = combo("ComboBox3", {QStringLiteral("top"), QStringLiteral("middle"),
                                       QStringLiteral("bottom"), QStringLiteral("baseline")});
    m_cellColour = edit("EditColor");
    m_cellColourButton = named(new QPushButton(QStringLiteral("...")), "Button1");
    m_cellPreview = preview("Panel1");
    m_colspan = edit("EditColspan");
    m_rowspan = edit("EditRowspan");
    m_behind = named(new QCheckBox, "CheckBoxBehind");
    for (QPushButton* b : {m_tableColourButton, m_cellColourButton}) {
        b->setAutoDefault(false);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
    }

    auto* table = named(new QGroupBox(QStringLiteral("Table")), "GroupBoxTable");
    auto* tableGrid = new QGridLayout(table);
    addPair(tableGrid, 0, 0, QStringLiteral("Rows"), m_rows);
    addPair(tableGrid, 0, 1, QStringLiteral("Cols"), m_cols);
    addPair(tableGrid, 1, 0, QStringLiteral("Width"), m_tableWidth);
    addPair(tableGrid, 1, 1, QStringLiteral("Height"), m_tableHeight);
    addPair(tableGrid, 2, 0, QStringLiteral("Align"), m_tableAlign);
    addPair(tableGrid, 2, 1, QStringLiteral("Border"), m_border);
    addPair(tableGrid, 3, 0, QStringLiteral("Cellpadding"), m_padding);
    addPair(tableGrid, 3, 1, QStringLiteral("Cellspacing"), m_spacing);
    tableGrid->addWidget(new QLabel(QStringLiteral("Bgcolor")), 4, 0);
    tableGrid->addWidget(colourRow(m_tableColour, m_tableColourButton, m_tablePreview), 4, 1, 1, 3);

    auto* cell = named(new QGroupBox(QStringLiteral("TR/TD")), "GroupBoxCell");
    auto* cellGrid = new QGridLayout(cell);
    addPair(cellGrid, 0, 0, QStringLiteral("Width"), m_cellWidth);
    addPair(cellGrid, 0, 1, QStringLiteral("Height"), m_cellHeight);
    addPair(cellGrid, 1, 0, QStringLiteral("Align"), m_cellAlign);
    addPair(cellGrid, 1, 1, QStringLiteral("Valign"), m_cellValign);
    cellGrid->addWidget(new QLabel(QStringLiteral("Bgcolor")), 2, 0);
    cellGrid->addWidget(colourRow(m_cellColour, m_cellColourButton, m_cellPreview), 2, 1, 1, 3);
    addPair(cellGrid, 3, 0, QStringLiteral("Colspan"), m_colspan, &m_colspanLabel);
    addPair(cellGrid, 3, 1, QStringLiteral("Rowspan"), m_rowspan, &m_rowspanLabel);
    cellGrid->addWidget(m_behind, 4, 0, 1, 4);

    auto* buttons = new QDialogButtonBox;
    m_ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "BitBtn1");
    m_cancel = named(buttons->addButton(CancelText.in(TLanguage), QDialogButtonBox::RejectRole),
                     "BitBtn2");
    addHelpButton(buttons, 150, [this] { return TLanguage; });
    installHelpKey(this, 150, [this] { return TLanguage; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(cell);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Only once the button is in the dialog does Enter fall back to it after focus left Cancel.
    m_ok->setDefault(true);

    connect(m_ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    connect(m_tableColourButton, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(m_cellColourButton, &QPushButton::clicked, this, [this] { Button1Click(); });

    setFields(TableFields());
    applyLanguage();
}

void TFormTable::applyLanguage() {
    const UiLanguage l = TLanguage;
    setWindowTitle(Caption.in(l));
    m_cancel->setText(CancelText.in(l));
    m_behind->setText(BehindText.in(l));
    const std::pair<QWidget*, const UiText*> hints[] = {
        {m_rows, &RowsHint},
        {m_cols, &ColsHint},
        {m_tableWidth, &TableWidthHint},
        {m_tableHeight, &TableHeightHint},
        {m_tableAlign, &TableAlignHint},
        {m_border, &BorderHint},
        {m_padding, &PaddingHint},
        {m_spacing, &SpacingHint},
        {m_cellWidth, &CellWidthHint},
        {m_cellHeight, &CellHeightHint},
        {m_cellAlign, &CellAlignHint},
        {m_cellValign, &ValignHint},
        {m_tableColourButton, &ColourHint},
        {m_cellColourButton, &ColourHint},
        {m_colspan, &ColspanHint},
        {m_rowspan, &RowspanHint},
    };
    for (const auto& [widget, texts] : hints)
        widget->setToolTip(texts->in(l));
}

int TFormTable::ShowModal() {
    applyLanguage();
    Tabelle.clear();
    for (QWidget* w : findChildren<QWidget*>())
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{m_colspan, m_colspanLabel, m_rowspan,
                                                      m_rowspanLabel, m_behind})
        w->setEnabled(false);
    setPreview(m_tablePreview, m_tableColour->text());
    setPreview(m_cellPreview, m_cellColour->text());
    // Not on the button that closed it last time, where Enter would mean Cancel.
    m_rows->setFocus();
    return exec();
}

void TFormTable::setPreview(QFrame* panel, const QString& colourText) {
    QColor colour = palette().color(QPalette::Button);
    if (!isBlankText(colourText))
        if (const std::optional<RgbColour> c = readColourText(colourText))
            colour = QColor(c->red, c->green, c->blue);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, colour);
    panel->setPalette(p);
}

TableFields TFormTable::fields() const {
    TableFields f;
    f.EditZeile = m_rows->text();
    f.EditSpalte = m_cols->text();
    f.EditBreite = m_tableWidth->text();
    f.EditHoehe = m_tableHeight->text();
    f.ComboBox1 = m_tableAlign->currentText();
    f.EditBorder = m_border->text();
    f.EditPadding = m_padding->text();
    f.EditSpacing = m_spacing->text();
    f.EditFarbe = m_tableColour->text();
    f.EditWidth = m_cellWidth->text();
    f.EditHeight = m_cellHeight->text();
    f.ComboBox2 = m_cellAlign->currentText();
    f.ComboBox3 = m_cellValign->currentText();
    f.EditColor = m_cellColour->text();
    f.EditColspan = m_colspan->text();
    f.EditRowspan = m_rowspan->text();
    f.CheckBoxBehind = m_behind->isChecked();
    return f;
}

void TFormTable::setFields(const TableFields& f) {
    m_rows->setText(f.EditZeile);
    m_cols->setText(f.EditSpalte);
    m_tableWidth->setText(f.EditBreite);
    m_tableHeight->setText(f.EditHoehe);
    m_tableAlign->setCurrentText(f.ComboBox1);
    m_border->setText(f.EditBorder);
    m_padding->setText(f.EditPadding);
    m_spacing->setText(f.EditSpacing);
    m_tableColour->setText(f.EditFarbe);
    m_cellWidth->setText(f.EditWidth);
    m_cellHeight->setText(f.EditHeight);
    m_cellAlign->setCurrentText(f.ComboBox2);
    m_cellValign->setCurrentText(f.ComboBox3);
    m_cellColour->setText(f.EditColor);
    m_colspan->setText(f.EditColspan);
    m_rowspan->setText(f.EditRowspan);
    m_behind->setChecked(f.CheckBoxBehind);
}

void TFormTable::BitBtn1Click() {
    TableFields f = fields();
    Tabelle = TableDialogOk(f);
    // The repairs show in the dialog the next time it opens.
    setFields(f);
    accept();
}

void TFormTable::BitBtn2Click() {
    reject();
}

void TFormTable::Button1Click() {
    pickColour(m_cellColour, m_cellPreview);
}

void TFormTable::Button2Click() {
    pickColour(m_tableColour, m_tablePreview);
}

void TFormTable::pickColour(QLineEdit* field, QFrame* panel) {
    QColor initial = Qt::white;
    if (const std::optional<RgbColour> c = readColourText(field->text()))
        initial = QColor(c->red, c->green, c->blue);
    const QColor chosen = QColorDialog::getColor(initial, this);
    if (!chosen.isValid())
        return;
    field->setText(colourToHtml({chosen.red(), chosen.green(), chosen.blue()}));
    setPreview(panel, field->text());
}
