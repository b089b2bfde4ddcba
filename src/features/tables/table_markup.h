#pragma once

#include "foundation/markup/html_color.h"

#include <QString>

#include <functional>
#include <optional>

class EditorBuffer;

// The texts of the new-table dialog's fields. The dialog keeps one of these for the whole run,
// so the values of the last use come back.
struct TableFields {
    // The table.
    QString rows = QStringLiteral("1");
    QString columns = QStringLiteral("1");
    QString tableWidth;
    QString tableHeight;
    QString tableAlign;
    QString border = QStringLiteral("0");
    QString cellPadding = QStringLiteral("0");
    QString cellSpacing = QStringLiteral("0");
    QString tableColour;
    // Each of its cells.
    QString cellWidth;
    QString cellHeight;
    QString cellAlign = QStringLiteral("left");
    QString cellValign = QStringLiteral("top");
    QString cellColour;
    QString colspan;
    QString rowspan;
    bool insertBehind = true;
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
void repairTableFields(TableFields& fields);

// The markup of the table the fields describe, upper-case tags, CR LF line breaks.
QString buildTableMarkup(const TableFields& fields);

// What OK in the dialog does: repairs the fields, then builds the markup.
QString repairedTableMarkup(TableFields& fields);

// Reads a colour field for the preview: an optional leading "#", then six hex digits for red,
// green and blue. Anything else is no colour.
std::optional<RgbColour> readColourText(const QString& text);

// Collapses the selection to its start (the selected text stays behind the table), asks the
// dialog for the markup and inserts it ASCII lower-cased unless blank.
void insertNewTable(EditorBuffer& editor, const std::function<QString()>& askForMarkup);
