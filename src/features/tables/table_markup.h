#pragma once

#include "foundation/markup/html_color.h"

#include <QString>

#include <functional>
#include <optional>

class EditorBuffer;

// The texts of the new-table dialog (TFormTable), named as its controls. The dialog keeps one
// of these for the whole run, so the values of the last use come back.
struct TableFields {
    // Table group.
    QString EditZeile = QStringLiteral("1");
    QString EditSpalte = QStringLiteral("1");
    QString EditBreite;
    QString EditHoehe;
    QString ComboBox1;
    QString EditBorder = QStringLiteral("0");
    QString EditPadding = QStringLiteral("0");
    QString EditSpacing = QStringLiteral("0");
    QString EditFarbe;
    // TR/TD group.
    QString EditWidth;
    QString EditHeight;
    QString ComboBox2 = QStringLiteral("left");
    QString ComboBox3 = QStringLiteral("top");
    QString EditColor;
    QString EditColspan;
    QString EditRowspan;
    bool CheckBoxBehind = true;
};

// A hand-written table this large is a typing slip; building it would stall the editor.
inline constexpr int MaxTableRows = 1000;
inline constexpr int MaxTableColumns = 100;

// A whole number as the dialog reads it: optional sign and decimal digits, blanks around
// allowed, within the int range.
std::optional<int> readWholeNumber(const QString& text);

// The OK button's silent repairs: rows and columns that are no number become "1" (and are
// kept within MaxTableRows and MaxTableColumns), bad border, padding and spacing "0", bad
// span values empty. Width, height, alignment and colours stay as typed.
void RepairTableFields(TableFields& fields);

// The markup of the table the fields describe, upper-case tags, CR LF line breaks.
QString BuildTableMarkup(const TableFields& fields);

// OK: repairs the fields, then builds the markup (the dialog's Tabelle).
QString TableDialogOk(TableFields& fields);

// Reads a colour field for the preview: an optional leading "#", then six hex digits for red,
// green and blue. Anything else is no colour.
std::optional<RgbColour> readColourText(const QString& text);

// Table1Click: collapses the selection to its start (the selected text stays behind the
// table), asks the dialog for the markup and inserts it ASCII lower-cased unless blank.
void Table1Click(EditorBuffer& editor, const std::function<QString()>& runDialog);
