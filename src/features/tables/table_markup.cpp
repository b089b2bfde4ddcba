#include "features/tables/table_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

#include <limits>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// name="value" followed by a blank; nothing when the field is blank.
void appendAttribute(QString& out, const char* name, const QString& field, bool trimValue) {
    if (isBlankText(field))
        return;
    out += QLatin1String(name);
    out += QLatin1String("=\"");
    out += trimValue ? trimBlank(field).toString() : field;
    out += QLatin1String("\" ");
}

void repairCount(QString& field, int maximum) {
    const std::optional<int> n = readWholeNumber(field);
    if (!n)
        field = QStringLiteral("1");
    else if (*n > maximum)
        field = QString::number(maximum);
}

void repairOptionalNumber(QString& field, const QString& replacement) {
    if (!isBlankText(field) && !readWholeNumber(field))
        field = replacement;
}

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int> readWholeNumber(const QString& text) {
    const QString t = trimBlank(text).toString();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        const char16_t u = t[i].unicode();
        if (u < '0' || u > '9')
            return std::nullopt;
        value = value * 10 + (u - '0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

void repairTableFields(TableFields& f) {
    repairCount(f.rows, MaxTableRows);
    repairCount(f.columns, MaxTableColumns);
    for (QString* field : {&f.border, &f.cellPadding, &f.cellSpacing})
        repairOptionalNumber(*field, QStringLiteral("0"));
    for (QString* field : {&f.colspan, &f.rowspan})
        repairOptionalNumber(*field, QString());
}

QString buildTableMarkup(const TableFields& f) {
    QString open = QStringLiteral("<TABLE ");
    appendAttribute(open, "width", f.tableWidth, true);
    appendAttribute(open, "height", f.tableHeight, true);
    appendAttribute(open, "cellspacing", f.cellSpacing, true);
    appendAttribute(open, "cellpadding", f.cellPadding, true);
    appendAttribute(open, "border", f.border, true);
    appendAttribute(open, "align", f.tableAlign, true);
    appendAttribute(open, "bgcolor", f.tableColour, false);
    open += QLatin1Char('>');

    QString cell = QStringLiteral("<TD ");
    appendAttribute(cell, "align", f.cellAlign, false);
    appendAttribute(cell, "valign", f.cellValign, false);
    appendAttribute(cell, "bgcolor", f.cellColour, false);
    appendAttribute(cell, "colspan", f.colspan, false);
    appendAttribute(cell, "rowspan", f.rowspan, false);
    appendAttribute(cell, "width", f.cellWidth, false);
    appendAttribute(cell, "height", f.cellHeight, false);
    cell += QStringLiteral(">&nbsp;</TD>");
    cell += CrLf;

    // The fields are repaired before this runs; the bounds also hold for a caller that did not.
    const int rows = qBound(0, readWholeNumber(f.rows).value_or(0), MaxTableRows);
    const int columns = qBound(0, readWholeNumber(f.columns).value_or(0), MaxTableColumns);

    QString row = QStringLiteral("<TR>") + CrLf;
    row.reserve(row.size() + columns * cell.size() + 7);
    for (int c = 0; c < columns; ++c)
        row += cell;
    row += QStringLiteral("</TR>") + CrLf;

    // Each row puts one line break in front of the body and itself behind it, so all the
    // line breaks come first.
    QString out;
    out.reserve(open.size() + 2 + rows * (2 + row.size()) + 10);
    out += open;
    out += CrLf;
    for (int r = 0; r < rows; ++r)
        out += CrLf;
    for (int r = 0; r < rows; ++r)
        out += row;
    out += QStringLiteral("</TABLE>") + CrLf;
    return out;
}

QString repairedTableMarkup(TableFields& fields) {
    repairTableFields(fields);
    return buildTableMarkup(fields);
}

std::optional<RgbColour> readColourText(const QString& text) {
    const qsizetype start = text.startsWith(QLatin1Char('#')) ? 1 : 0;
    if (text.size() < start + 6)
        return std::nullopt;
    int bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(text[start + 2 * i]);
        const int low = hexDigit(text[start + 2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = high * 16 + low;
    }
    return RgbColour{bytes[0], bytes[1], bytes[2]};
}

void insertNewTable(EditorBuffer& editor, const std::function<QString()>& askForMarkup) {
    editor.setSelLength(0);
    const QString markup = askForMarkup();
    if (isBlankText(markup))
        return;
    editor.setSelText(asciiLower(markup));
}
