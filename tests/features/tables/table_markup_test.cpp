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

// What Table1Click leaves in an empty document for these fields after OK.
QString inserted(TableFields fields) {
    MemoryBuffer b;
    Table1Click(b, [&fields] { return TableDialogOk(fields); });
    return b.text();
}

} // namespace

TEST(TableMarkup, DefaultsGiveTheSixLines) {
    EXPECT_EQ(inserted(TableFields()), DefaultTable);
    EXPECT_EQ(
        BuildTableMarkup(TableFields()),
        QStringLiteral("<TABLE cellspacing=\"0\" cellpadding=\"0\" border=\"0\" >\r\n\r\n<TR>\r\n"
                       "<TD align=\"left\" valign=\"top\" >&nbsp;</TD>\r\n</TR>\r\n</TABLE>\r\n"));
}

TEST(TableMarkup, LineBreaksForAllRowsComeBeforeTheRows) {
    TableFields f;
    f.EditZeile = QStringLiteral("2");
    f.EditSpalte = QStringLiteral("2");
    const QString cell = QStringLiteral("<td align=\"left\" valign=\"top\" >&nbsp;</td>\r\n");
    const QString row = QStringLiteral("<tr>\r\n") + cell + cell + QStringLiteral("</tr>\r\n");
    EXPECT_EQ(inserted(f),
              QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" >"
                             "\r\n\r\n\r\n") +
                  row + row + QStringLiteral("</table>\r\n"));
}

TEST(TableMarkup, NoRowsOrNoCells) {
    TableFields none;
    none.EditZeile = QStringLiteral("0");
    EXPECT_EQ(inserted(none),
              QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\" border=\"0\" "
                             ">\r\n</table>\r\n"));
    TableFields negative;
    negative.EditZeile = QStringLiteral("-3");
    EXPECT_EQ(inserted(negative), inserted(none));
    EXPECT_EQ(negative.EditZeile, QStringLiteral("-3"));

    TableFields noCells;
    noCells.EditSpalte = QStringLiteral("0");
    EXPECT_TRUE(inserted(noCells).contains(QStringLiteral("\r\n\r\n<tr>\r\n</tr>\r\n</table>")));
}

TEST(TableRepair, CountsThatAreNoNumberBecomeOne) {
    for (const char* bad : {"abc", "", " ", "2x", "1.5", "0x10", "99999999999", "+"}) {
        TableFields f;
        f.EditZeile = QLatin1String(bad);
        f.EditSpalte = QLatin1String(bad);
        RepairTableFields(f);
        EXPECT_EQ(f.EditZeile, QStringLiteral("1")) << bad;
        EXPECT_EQ(f.EditSpalte, QStringLiteral("1")) << bad;
    }
    TableFields f;
    f.EditZeile = QStringLiteral(" 3 ");
    f.EditSpalte = QStringLiteral("+2");
    RepairTableFields(f);
    EXPECT_EQ(f.EditZeile, QStringLiteral(" 3 "));
    EXPECT_EQ(BuildTableMarkup(f).count(QStringLiteral("<TR>")), 3);
    EXPECT_EQ(BuildTableMarkup(f).count(QStringLiteral("<TD ")), 6);
}

TEST(TableRepair, HugeCountsAreCappedSoATypoCannotStallTheEditor) {
    TableFields f;
    f.EditZeile = QStringLiteral("100000000");
    f.EditSpalte = QStringLiteral("2147483647");
    RepairTableFields(f);
    EXPECT_EQ(f.EditZeile, QString::number(MaxTableRows));
    EXPECT_EQ(f.EditSpalte, QString::number(MaxTableColumns));
    // Also without the repair.
    TableFields unrepaired;
    unrepaired.EditZeile = QStringLiteral("2000000000");
    EXPECT_EQ(BuildTableMarkup(unrepaired).count(QStringLiteral("<TR>")), MaxTableRows);
}

TEST(TableRepair, BorderPaddingSpacingAndSpans) {
    TableFields f;
    f.EditBorder = QStringLiteral("thick");
    f.EditPadding = QStringLiteral("  ");
    f.EditSpacing = QStringLiteral("-1");
    f.EditColspan = QStringLiteral("two");
    f.EditRowspan = QStringLiteral("3");
    f.EditWidth = QStringLiteral("not checked");
    RepairTableFields(f);
    EXPECT_EQ(f.EditBorder, QStringLiteral("0"));
    EXPECT_EQ(f.EditPadding, QStringLiteral("  "));
    EXPECT_EQ(f.EditSpacing, QStringLiteral("-1"));
    EXPECT_EQ(f.EditColspan, QString());
    EXPECT_EQ(f.EditRowspan, QStringLiteral("3"));
    EXPECT_EQ(f.EditWidth, QStringLiteral("not checked"));
    const QString markup = BuildTableMarkup(f);
    EXPECT_TRUE(markup.startsWith(QStringLiteral("<TABLE cellspacing=\"-1\" border=\"0\" >")));
    EXPECT_TRUE(markup.contains(QStringLiteral(
        "<TD align=\"left\" valign=\"top\" rowspan=\"3\" width=\"not checked\" >&nbsp;</TD>")));
}

TEST(TableMarkup, AttributesInOrderTableValuesTrimmedCellValuesAsTyped) {
    TableFields f;
    f.EditBreite = QStringLiteral(" 50% ");
    f.EditHoehe = QStringLiteral("200");
    f.EditSpacing = QStringLiteral("1");
    f.EditPadding = QStringLiteral("2");
    f.EditBorder = QStringLiteral("3");
    f.ComboBox1 = QStringLiteral(" bleedleft");
    f.EditFarbe = QStringLiteral(" #00FF00");
    f.ComboBox2 = QStringLiteral("justify ");
    f.ComboBox3 = QStringLiteral("baseline");
    f.EditColor = QStringLiteral("#FF0000");
    f.EditColspan = QStringLiteral("2");
    f.EditRowspan = QStringLiteral("4");
    f.EditWidth = QStringLiteral(" 10");
    f.EditHeight = QStringLiteral("20");
    EXPECT_EQ(
        BuildTableMarkup(f),
        QStringLiteral("<TABLE width=\"50%\" height=\"200\" cellspacing=\"1\" cellpadding=\"2\" "
                       "border=\"3\" align=\"bleedleft\" bgcolor=\" #00FF00\" >\r\n\r\n<TR>\r\n"
                       "<TD align=\"justify \" valign=\"baseline\" bgcolor=\"#FF0000\" "
                       "colspan=\"2\" rowspan=\"4\" width=\" 10\" height=\"20\" >&nbsp;</TD>\r\n"
                       "</TR>\r\n</TABLE>\r\n"));
}

TEST(TableMarkup, BlankFieldsLeaveTheirAttributeOut) {
    TableFields f;
    f.EditBorder = QStringLiteral(" ");
    f.EditPadding = QString();
    f.EditSpacing = QStringLiteral("\t");
    f.ComboBox2 = QString();
    f.ComboBox3 = QStringLiteral("  ");
    EXPECT_EQ(inserted(f),
              QStringLiteral("<table >\r\n\r\n<tr>\r\n<td >&nbsp;</td>\r\n</tr>\r\n</table>\r\n"));
}

TEST(TableMarkup, OnlyAsciiLettersAreLowerCased) {
    TableFields f;
    f.EditColor = QStringLiteral("#FF0000");
    f.EditWidth = QStringLiteral("ÄBC");
    const QString text = inserted(f);
    EXPECT_TRUE(text.contains(
        QStringLiteral("<td align=\"left\" valign=\"top\" bgcolor=\"#ff0000\" width=\"Äbc\" >")));
}

TEST(TableColour, Color2HtmlIsUpperCaseHexRedGreenBlue) {
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

TEST(Table1Click, TableGoesInFrontOfTheSelectionWhichStays) {
    MemoryBuffer b(QStringLiteral("ab\r\ncd"));
    b.select(5, 1);
    bool collapsedBeforeDialog = false;
    Table1Click(b, [&] {
        collapsedBeforeDialog = b.selLength() == 0 && b.caretOffset() == 1;
        return BuildTableMarkup(TableFields());
    });
    EXPECT_TRUE(collapsedBeforeDialog);
    EXPECT_EQ(b.text(), QStringLiteral("a") + DefaultTable + QStringLiteral("b\r\ncd"));
    EXPECT_EQ(b.caretOffset(), 1 + DefaultTable.size());
}

TEST(Table1Click, CancelledOrBlankResultLeavesTheDocumentAlone) {
    for (const QString& result : {QString(), QStringLiteral(" \r\n\t")}) {
        MemoryBuffer b(QStringLiteral("abc"));
        b.select(1, 2);
        Table1Click(b, [&result] { return result; });
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
