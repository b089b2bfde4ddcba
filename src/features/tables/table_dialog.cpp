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
const UiText ColumnsHint{"Tabellenzellen (TD)", "Table data/cells (TD)"};
const UiText TableWidthHint{"Tabellenbreite", "Table width"};
const UiText TableHeightHint{"Tabellenhöhe", "Table height"};
const UiText TableAlignHint{"Ausrichtung", "Alignment"};
const UiText BorderHint{"Rahmenstärke", "Table border width"};
const UiText PaddingHint{"Zellenzwischenraum", "Cellpadding"};
const UiText SpacingHint{"Zellenabstand", "Cellspacing"};
const UiText CellWidthHint{"Breite", "Width"};
const UiText CellHeightHint{"Höhe", "Height"};
const UiText CellAlignHint{"Ausrichtung", "Alignment"};
const UiText ValignHint{"Vertikale Ausrichtung", "Vertical alignment"};
const UiText ColourHint{"Hintergrundfarbe wählen", "Choose background color"};
const UiText ColspanHint{"Spaltenbereich", "Colspan"};
const UiText RowspanHint{"Zeilenbereich", "Rowspan"};
const UiText TableGroupText{"Tabelle", "Table"};
const UiText RowsText{"Zeilen", "Rows"};
const UiText ColumnsText{"Spalten", "Columns"};
const UiText WidthText{"Breite", "Width"};
const UiText HeightText{"Höhe", "Height"};
const UiText AlignText{"Ausrichtung", "Align"};
const UiText ValignText{"Vertikal", "Valign"};
const UiText BorderText{"Rahmen", "Border"};
const UiText PaddingText{"Innenabstand", "Cellpadding"};
const UiText SpacingText{"Zellenabstand", "Cellspacing"};
const UiText BackgroundText{"Hintergrund", "Bgcolor"};
const UiText ColspanText{"Spalten verbinden", "Colspan"};
const UiText RowspanText{"Zeilen verbinden", "Rowspan"};

QLineEdit* edit(const char* name) {
    return named(new QLineEdit, name);
}

QComboBox* combo(const char* name, const QStringList& items) {
    return namedEditableCombo(name, items);
}

QFrame* colourPreview(const char* name) {
    return namedColourSwatch(name, 40);
}

// Label, field, label, field on one row of a grid.
void addPair(QGridLayout* grid, int row, int column, DialogCaptions& captions,
             const UiText& caption, QWidget* field, QLabel** labelOut = nullptr) {
    auto* label = captions.add(new QLabel, caption);
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

TableDialog::TableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("tableDialog"));
    setWindowTitle(Caption.in(m_language));

    m_rows = edit("rowsEdit");
    m_columns = edit("columnsEdit");
    m_tableWidth = edit("tableWidthEdit");
    m_tableHeight = edit("tableHeightEdit");
    m_tableAlign = combo("tableAlignCombo",
                         {QStringLiteral("center"), QStringLiteral("left"), QStringLiteral("right"),
                          QStringLiteral("bleedleft"), QStringLiteral("bleedright")});
    m_border = edit("borderEdit");
    m_padding = edit("paddingEdit");
    m_spacing = edit("spacingEdit");
    m_tableColour = edit("tableColourEdit");
    m_tableColourButton = named(new QPushButton(QStringLiteral("...")), "tableColourButton");
    m_tablePreview = colourPreview("tableColourPreview");

    m_cellWidth = edit("cellWidthEdit");
    m_cellHeight = edit("cellHeightEdit");
    m_cellAlign = combo("cellAlignCombo", {QStringLiteral("center"), QStringLiteral("left"),
                                           QStringLiteral("right"), QStringLiteral("justify")});
    m_cellValign = combo("cellValignCombo", {QStringLiteral("top"), QStringLiteral("middle"),
                                             QStringLiteral("bottom"), QStringLiteral("baseline")});
    m_cellColour = edit("cellColourEdit");
    m_cellColourButton = named(new QPushButton(QStringLiteral("...")), "cellColourButton");
    m_cellPreview = colourPreview("cellColourPreview");
    m_colspan = edit("colspanEdit");
    m_rowspan = edit("rowspanEdit");
    m_insertBehind = named(new QCheckBox, "insertBehindCheck");
    for (QPushButton* b : {m_tableColourButton, m_cellColourButton}) {
        b->setAutoDefault(false);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
    }

    DialogCaptions& c = m_captions;
    auto* table = c.add(named(new QGroupBox, "tableGroup"), TableGroupText);
    auto* tableGrid = new QGridLayout(table);
    addPair(tableGrid, 0, 0, c, RowsText, m_rows);
    addPair(tableGrid, 0, 1, c, ColumnsText, m_columns);
    addPair(tableGrid, 1, 0, c, WidthText, m_tableWidth);
    addPair(tableGrid, 1, 1, c, HeightText, m_tableHeight);
    addPair(tableGrid, 2, 0, c, AlignText, m_tableAlign);
    addPair(tableGrid, 2, 1, c, BorderText, m_border);
    addPair(tableGrid, 3, 0, c, PaddingText, m_padding);
    addPair(tableGrid, 3, 1, c, SpacingText, m_spacing);
    tableGrid->addWidget(c.add(new QLabel, BackgroundText), 4, 0);
    tableGrid->addWidget(colourRow(m_tableColour, m_tableColourButton, m_tablePreview), 4, 1, 1, 3);

    auto* cell = named(new QGroupBox(QStringLiteral("TR/TD")), "cellGroup");
    auto* cellGrid = new QGridLayout(cell);
    addPair(cellGrid, 0, 0, c, WidthText, m_cellWidth);
    addPair(cellGrid, 0, 1, c, HeightText, m_cellHeight);
    addPair(cellGrid, 1, 0, c, AlignText, m_cellAlign);
    addPair(cellGrid, 1, 1, c, ValignText, m_cellValign);
    cellGrid->addWidget(c.add(new QLabel, BackgroundText), 2, 0);
    cellGrid->addWidget(colourRow(m_cellColour, m_cellColourButton, m_cellPreview), 2, 1, 1, 3);
    addPair(cellGrid, 3, 0, c, ColspanText, m_colspan, &m_colspanLabel);
    addPair(cellGrid, 3, 1, c, RowspanText, m_rowspan, &m_rowspanLabel);
    cellGrid->addWidget(m_insertBehind, 4, 0, 1, 4);

    auto* buttons = new QDialogButtonBox;
    m_ok =
        named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "okButton");
    m_cancel = named(buttons->addButton(CancelText.in(m_language), QDialogButtonBox::RejectRole),
                     "cancelButton");
    addHelpButton(buttons, 150, [this] { return m_language; });
    installHelpKey(this, 150, [this] { return m_language; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(cell);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Only once the button is in the dialog does Enter fall back to it after focus left Cancel.
    m_ok->setDefault(true);

    connect(m_ok, &QPushButton::clicked, this, [this] { acceptTable(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(m_tableColourButton, &QPushButton::clicked, this,
            [this] { pickColour(m_tableColour, m_tablePreview); });
    connect(m_cellColourButton, &QPushButton::clicked, this,
            [this] { pickColour(m_cellColour, m_cellPreview); });

    setFields(TableFields());
    applyLanguage();
}

void TableDialog::applyLanguage() {
    const UiLanguage l = m_language;
    setWindowTitle(Caption.in(l));
    m_cancel->setText(CancelText.in(l));
    m_insertBehind->setText(BehindText.in(l));
    m_captions.apply(l);
    const std::pair<QWidget*, const UiText*> hints[] = {
        {m_rows, &RowsHint},
        {m_columns, &ColumnsHint},
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

int TableDialog::exec() {
    applyLanguage();
    m_markup.clear();
    for (QWidget* w : findChildren<QWidget*>())
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{m_colspan, m_colspanLabel, m_rowspan,
                                                      m_rowspanLabel, m_insertBehind})
        w->setEnabled(false);
    setPreview(m_tablePreview, m_tableColour->text());
    setPreview(m_cellPreview, m_cellColour->text());
    // Not on the button that closed it last time, where Enter would mean Cancel.
    m_rows->setFocus();
    return QDialog::exec();
}

void TableDialog::setPreview(QFrame* preview, const QString& colourText) {
    QColor colour = palette().color(QPalette::Button);
    if (!isBlankText(colourText))
        if (const std::optional<RgbColour> c = readColourText(colourText))
            colour = QColor(c->red, c->green, c->blue);
    QPalette p = preview->palette();
    p.setColor(QPalette::Window, colour);
    preview->setPalette(p);
}

TableFields TableDialog::fields() const {
    TableFields f;
    f.rows = m_rows->text();
    f.columns = m_columns->text();
    f.tableWidth = m_tableWidth->text();
    f.tableHeight = m_tableHeight->text();
    f.tableAlign = m_tableAlign->currentText();
    f.border = m_border->text();
    f.cellPadding = m_padding->text();
    f.cellSpacing = m_spacing->text();
    f.tableColour = m_tableColour->text();
    f.cellWidth = m_cellWidth->text();
    f.cellHeight = m_cellHeight->text();
    f.cellAlign = m_cellAlign->currentText();
    f.cellValign = m_cellValign->currentText();
    f.cellColour = m_cellColour->text();
    f.colspan = m_colspan->text();
    f.rowspan = m_rowspan->text();
    f.insertBehind = m_insertBehind->isChecked();
    return f;
}

void TableDialog::setFields(const TableFields& f) {
    m_rows->setText(f.rows);
    m_columns->setText(f.columns);
    m_tableWidth->setText(f.tableWidth);
    m_tableHeight->setText(f.tableHeight);
    m_tableAlign->setCurrentText(f.tableAlign);
    m_border->setText(f.border);
    m_padding->setText(f.cellPadding);
    m_spacing->setText(f.cellSpacing);
    m_tableColour->setText(f.tableColour);
    m_cellWidth->setText(f.cellWidth);
    m_cellHeight->setText(f.cellHeight);
    m_cellAlign->setCurrentText(f.cellAlign);
    m_cellValign->setCurrentText(f.cellValign);
    m_cellColour->setText(f.cellColour);
    m_colspan->setText(f.colspan);
    m_rowspan->setText(f.rowspan);
    m_insertBehind->setChecked(f.insertBehind);
}

void TableDialog::acceptTable() {
    TableFields f = fields();
    m_markup = repairedTableMarkup(f);
    // The repairs show in the dialog the next time it opens.
    setFields(f);
    accept();
}

void TableDialog::pickColour(QLineEdit* field, QFrame* preview) {
    QColor initial = Qt::white;
    if (const std::optional<RgbColour> c = readColourText(field->text()))
        initial = QColor(c->red, c->green, c->blue);
    const QColor chosen = QColorDialog::getColor(initial, this);
    if (!chosen.isValid())
        return;
    field->setText(colourToHtml({chosen.red(), chosen.green(), chosen.blue()}));
    setPreview(preview, field->text());
}
