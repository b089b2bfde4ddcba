#include "features/tables/table_markup.h"
#include "foundation/document/memory_buffer.h"

#include <gtest/gtest.h>

namespace {

const QString DefaultTable =
    QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" >\r\n"
                   "\r\n"
                   "<tr>\r\n"
                   "<td align=\"left\" valign=\"top\" >&nbsp;</td>\r\n"
                   "</tr>\r\n"
                   "</table>\r\n");

// What inserting a new table leaves in an empty document for these fields after OK.
QString inserted(TableFields fields) {
    MemoryBuffer b;
    insertNewTable(b, [&fields] { return repairedTableMarkup(fields); });
    return b.text();
}

} // namespace

TEST(TableMarkup, DefaultsGiveTheSixLines) {
    EXPECT_EQ(inserted(TableFields()), DefaultTable);
    EXPECT_EQ(
        buildTableMarkup(TableFields()),
        QStringLiteral("<TABLE cellspacing=\"0\" cellpadding=\"0\" border=\"0\" >\r\n\r\n<TR>\r\n"
                       "<TD align=\"left\" valign=\"top\" >&nbsp;</TD>\r\n</TR>\r\n</TABLE>\r\n"));
}

TEST(TableMarkup, LineBreaksForAllRowsComeBeforeTheRows) {
    TableFields f;
    f.rows = QStringLiteral("2");
    f.columns = QStringLiteral("2");
    const QString cell = QStringLiteral("<td align=\"left\" valign=\"top\" >&nbsp;</td>\r\n");
    const QString row = QStringLiteral("<tr>\r\n") + cell + cell + QStringLiteral("</tr>\r\n");
    EXPECT_EQ(inserted(f),
              QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" >"
                             "\r\n\r\n\r\n") +
                  row + row + QStringLiteral("</table>\r\n"));
}

TEST(TableMarkup, NoRowsOrNoCells) {
    TableFields none;
    none.rows = QStringLiteral("0");
    EXPECT_EQ(inserted(none),
              QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" "
                             ">\r\n</table>\r\n"));
    TableFields negative;
    negative.rows = QStringLiteral("-3");
    EXPECT_EQ(inserted(negative), inserted(none));
    EXPECT_EQ(negative.rows, QStringLiteral("-3"));

    TableFields noCells;
    noCells.columns = QStringLiteral("0");
    EXPECT_TRUE(inserted(noCells).contains(QStringLiteral("\r\n\r\n<tr>\r\n</tr>\r\n</table>")));
}

TEST(TableRepair, CountsThatAreNoNumberBecomeOne) {
    for (const char* bad : {"abc", "", " ", "2x", "1.5", "0x10", "99999999999", "+"}) {
        TableFields f;
        f.rows = QLatin1String(bad);
        f.columns = QLatin1String(bad);
        repairTableFields(f);
        EXPECT_EQ(f.rows, QStringLiteral("1")) << bad;
        EXPECT_EQ(f.columns, QStringLiteral("1")) << bad;
    }
    TableFields f;
    f.rows = QStringLiteral(" 3 ");
    f.columns = QStringLiteral("+2");
    repairTableFields(f);
    EXPECT_EQ(f.rows, QStringLiteral(" 3 "));
    EXPECT_EQ(buildTableMarkup(f).count(QStringLiteral("<TR>")), 3);
    EXPECT_EQ(buildTableMarkup(f).count(QStringLiteral("<TD ")), 6);
}

TEST(TableRepair, HugeCountsAreCappedSoATypoCannotStallTheEditor) {
    TableFields f;
    f.rows = QStringLiteral("100000000");
    f.columns = QStringLiteral("2147483647");
    repairTableFields(f);
    EXPECT_EQ(f.rows, QString::number(MaxTableRows));
    EXPECT_EQ(f.columns, QString::number(MaxTableColumns));
    // Also without the repair.
    TableFields unrepaired;
    unrepaired.rows = QStringLiteral("2000000000");
    EXPECT_EQ(buildTableMarkup(unrepaired).count(QStringLiteral("<TR>")), MaxTableRows);
}

TEST(TableRepair, BorderPaddingSpacingAndSpans) {
    TableFields f;
    f.border = QStringLiteral("thick");
    f.cellPadding = QStringLiteral("  ");
    f.cellSpacing = QStringLiteral("-1");
    f.colspan = QStringLiteral("two");
    f.rowspan = QStringLiteral("3");
    f.cellWidth = QStringLiteral("not checked");
    repairTableFields(f);
    EXPECT_EQ(f.border, QStringLiteral("0"));
    EXPECT_EQ(f.cellPadding, QStringLiteral("  "));
    EXPECT_EQ(f.cellSpacing, QStringLiteral("-1"));
    EXPECT_EQ(f.colspan, QString());
    EXPECT_EQ(f.rowspan, QStringLiteral("3"));
    EXPECT_EQ(f.cellWidth, QStringLiteral("not checked"));
    const QString markup = buildTableMarkup(f);
    EXPECT_TRUE(markup.startsWith(QStringLiteral("<TABLE cellspacing=\"-1\" border=\"0\" >")));
    EXPECT_TRUE(markup.contains(QStringLiteral(
        "<TD align=\"left\" valign=\"top\" rowspan=\"3\" width=\"not checked\" >&nbsp;</TD>")));
}

TEST(TableMarkup, AttributesInOrderTableValuesTrimmedCellValuesAsTyped) {
    TableFields f;
    f.tableWidth = QStringLiteral(" 50% ");
    f.tableHeight = QStringLiteral("200");
    f.cellSpacing = QStringLiteral("1");
    f.cellPadding = QStringLiteral("2");
    f.border = QStringLiteral("3");
    f.tableAlign = QStringLiteral(" bleedleft");
    f.tableColour = QStringLiteral(" #00FF00");
    f.cellAlign = QStringLiteral("justify ");
    f.cellValign = QStringLiteral("baseline");
    f.cellColour = QStringLiteral("#FF0000");
    f.colspan = QStringLiteral("2");
    f.rowspan = QStringLiteral("4");
    f.cellWidth = QStringLiteral(" 10");
    f.cellHeight = QStringLiteral("20");
    EXPECT_EQ(
        buildTableMarkup(f),
        QStringLiteral("<TABLE width=\"50%\" height=\"200\" cellspacing=\"1\" cellpadding=\"2\" "
                       "border=\"3\" align=\"bleedleft\" bgcolor=\" #00FF00\" >\r\n\r\n<TR>\r\n"
                       "<TD align=\"justify \" valign=\"baseline\" bgcolor=\"#FF0000\" "
                       "colspan=\"2\" rowspan=\"4\" width=\" 10\" height=\"20\" >&nbsp;</TD>\r\n"
                       "</TR>\r\n</TABLE>\r\n"));
}

TEST(TableMarkup, BlankFieldsLeaveTheirAttributeOut) {
    TableFields f;
    f.border = QStringLiteral(" ");
    f.cellPadding = QString();
    f.cellSpacing = QStringLiteral("\t");
    f.cellAlign = QString();
    f.cellValign = QStringLiteral("  ");
    EXPECT_EQ(inserted(f),
              QStringLiteral("<table >\r\n\r\n<tr>\r\n<td >&nbsp;</td>\r\n</tr>\r\n</table>\r\n"));
}

TEST(TableMarkup, OnlyAsciiLettersAreLowerCased) {
    TableFields f;
    f.cellColour = QStringLiteral("#FF0000");
    f.cellWidth = QStringLiteral("ÄBC");
    const QString text = inserted(f);
    EXPECT_TRUE(text.contains(
        QStringLiteral("<td align=\"left\" valign=\"top\" bgcolor=\"#ff0000\" width=\"Äbc\" >")));
}

TEST(TableColour, ColourToHtmlIsUpperCaseHexRedGreenBlue) {
    EXPECT_EQ(colourToHtml({255, 0, 0}), QStringLiteral("#FF0000"));
    EXPECT_EQ(colourToHtml({1, 171, 239}), QStringLiteral("#01ABEF"));
    EXPECT_EQ(colourToHtml({0, 0, 0}), QStringLiteral("#000000"));
}

TEST(TableColour, ReadingAColourFieldForThePreview) {
    EXPECT_EQ(readColourText(QStringLiteral("#ff0000")), (RgbColour{255, 0, 0}));
    EXPECT_EQ(readColourText(QStringLiteral("01ABef")), (RgbColour{1, 171, 239}));
    EXPECT_EQ(readColourText(QStringLiteral("#00ff00 ")), (RgbColour{0, 255, 0}));
    EXPECT_EQ(readColourText(colourToHtml({18, 52, 86})), (RgbColour{18, 52, 86}));
    for (const char* bad : {"", "#", "#12345", "#GG0000", " #ff0000", "red", "##ff0000", "#-10000"})
        EXPECT_FALSE(readColourText(QLatin1String(bad)).has_value()) << bad;
}

TEST(InsertNewTable, TableGoesInFrontOfTheSelectionWhichStays) {
    MemoryBuffer b(QStringLiteral("ab\r\ncd"));
    b.select(5, 1);
    bool collapsedBeforeDialog = false;
    insertNewTable(b, [&] {
        collapsedBeforeDialog = b.selLength() == 0 && b.caretOffset() == 1;
        return buildTableMarkup(TableFields());
    });
    EXPECT_TRUE(collapsedBeforeDialog);
    EXPECT_EQ(b.text(), QStringLiteral("a") + DefaultTable + QStringLiteral("b\r\ncd"));
    EXPECT_EQ(b.caretOffset(), 1 + DefaultTable.size());
}

TEST(InsertNewTable, CancelledOrBlankResultLeavesTheDocumentAlone) {
    for (const QString& result : {QString(), QStringLiteral(" \r\n\t")}) {
        MemoryBuffer b(QStringLiteral("abc"));
        b.select(1, 2);
        insertNewTable(b, [&result] { return result; });
        EXPECT_EQ(b.text(), QStringLiteral("abc"));
        EXPECT_FALSE(b.isModified());
        EXPECT_EQ(b.selLength(), 0);
    }
}

TEST(TableNumbers, WholeNumbers) {
    EXPECT_EQ(readWholeNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(readWholeNumber(QStringLiteral(" -7\t")), -7);
    EXPECT_EQ(readWholeNumber(QStringLiteral("+0")), 0);
    EXPECT_EQ(readWholeNumber(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(readWholeNumber(QStringLiteral("-2147483648")), -2147483647 - 1);
    for (const char* bad : {"2147483648", "-2147483649", "1 2", "--1", "", "٣"})
        EXPECT_FALSE(readWholeNumber(QString::fromUtf8(bad)).has_value()) << bad;
}
