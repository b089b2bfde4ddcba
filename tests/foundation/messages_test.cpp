#include "foundation/messages/message_table.h"

#include <QFile>
#include <QSet>

#include <iterator>

#include <gtest/gtest.h>

namespace {

struct QuotedLine {
    int index;
    const char* text;
};

// Every line with its text as the program shows it; lines 6 to 10 and 186 have none.
const QuotedLine englishLines[] = {
    {0, "Untitled"},
    {1, "Changed"},
    {2, "Row %3d   Col: %3d"},
    {3, "TR not found!"},
    {4, "Invalid selection!"},
    {5, "TD not found!"},
    {11, "Quots added to parameters."},
    {12, " closing Tag(s) missing."},
    {13, "For"},
    {14, "missing"},
    {15, " closing"},
    {16, " redundant"},
    {17, " deleted."},
    {18, "Search string not found."},
    {19, "Set the cursor into a table structure to select a table element."},
    {20, "No file/page loaded!"},
    {21, "Save changes to:"},
    {22, "Cannot open file:"},
    {23, "Creating backup file failed!"},
    {24, "Cannot save file:"},
    {25, "OK to overwrite"},
    {26, "Selection error! Do not select a range across several tables."},
    {27, "No supported IE version found. Design mode not available. See system requirements! IE "
         "version:"},
    {28, "Switch to source editor please."},
    {29, "Delete?"},
    {30, "Enter line number:"},
    {31, "Invalid input!"},
    {32, "Code check finished."},
    {33, "Url not found!"},
    {34, " x hyphenation deleted."},
    {35, "Getting source failed!"},
    {36, "Switch to browser please."},
    {37, "To edit an online resource you have to save it on your local system first!"},
    {38, "To get the HTML code of a character select it first!"},
    {39, " not found!"},
    {40, "Select at least two TDs to merge them!"},
    {41, "Merging across several tables not supported!"},
    {42, "Merging failed. check your selection."},
    {43, "Use command buttons of the buttonbar to select an entire TR."},
    {44, "Insert prior copied or deleted table? (If you choose NO a new table will be created)"},
    {45, "Selection error! Do not select a range across several table rows."},
    {46, "Select at least two table cells!"},
    {47, "TD not found!"},
    {48, "Table not found!"},
    {49, "Unexpected error element properties!"},
    {50, "No TD selected!"},
    {51, "Enable design mode to use this feature!"},
    {52, "Not available within framesets!"},
    {53, "Delete backup file(s)?"},
    {54, "  files deleted."},
    {55, "Online update failed or cancelled by user!"},
    {56, "New document"},
    {57, "Open file"},
    {58, "Save file"},
    {59, "Print"},
    {60, "Cut"},
    {61, "Copy"},
    {62, "Paste"},
    {63, "Undo"},
    {64, "Word wrap on/off"},
    {65, "Bold"},
    {66, "Italic"},
    {67, "Underline"},
    {68, "Strike through"},
    {69, "Unordered list"},
    {70, "Ordered list"},
    {71, "Align left"},
    {72, "Align center"},
    {73, "Align justify"},
    {74, "Align right"},
    {75, "Indent"},
    {76, "Outdent"},
    {77, "Show HTML source"},
    {78, "Get text of document"},
    {79, "Design mode on/off"},
    {80, "Go to Url"},
    {81, "Settings"},
    {82, "About Hexlume..."},
    {83, "Help"},
    {84, "Show simple text editor"},
    {85, "Find"},
    {86, "Show document in external browser..."},
    {87, "Zoom in"},
    {88, "Zoom out"},
    {89, "Insert line feed <BR>"},
    {90, "Define style"},
    {91, "Superscript"},
    {92, "Subscript"},
    {93, "Insert horizontal line"},
    {94, "Define HTML color code"},
    {95, "Remove all font formatting"},
    {96, "Create link"},
    {97, "Insert image"},
    {98, "Select font attributes"},
    {99, "Select cell TD"},
    {100, "Select table row"},
    {101, "Select table (and copy)"},
    {102, "Select form"},
    {103, "Create new table/Insert copied table"},
    {104, "Delete/cut table"},
    {105, "Add table row"},
    {106, "Remove table row"},
    {107, "Add cell TD"},
    {108, "Remove cell TD"},
    {109, "Select two cells TD in a row to merge them"},
    {110, "Select a cell TD to split horizontal (two cells)"},
    {111, "Select a cell TD to merge it with the cell in the following row"},
    {112, "Select a cell TD to split vertical (two rows)"},
    {113, "Insert form"},
    {114, "Insert input"},
    {115, "Insert input password"},
    {116, "Insert file upload"},
    {117, "Insert hidden input"},
    {118, "Insert textarea"},
    {119, "Insert selectbox"},
    {120, "Insert drop down list"},
    {121, "Insert button"},
    {122, "Insert radio button"},
    {123, "Insert checkbox"},
    {124, "Remove block elements DIV, SPAN, P"},
    {125, "Show properties of an element"},
    {126, "Show properties of the HTML document"},
    {127, "Show HTML Tags as graphics"},
    {128, "Design time borders on/off"},
    {129, "&File"},
    {130, "&Edit"},
    {131, "&Help"},
    {132, "New"},
    {133, "Open..."},
    {134, "Save"},
    {135, "Save as..."},
    {136, "Save as ASCII file"},
    {137, "Save UTF-8 encoded"},
    {138, "Delete backup files..."},
    {139, "Print preview"},
    {140, "Print"},
    {141, "Exit"},
    {142, "Undo"},
    {143, "Select all"},
    {144, "Cut"},
    {145, "Copy"},
    {146, "Paste"},
    {147, "Find..."},
    {148, "Find next"},
    {149, "Replace..."},
    {150, "Multi Search/Replace..."},
    {151, "Go to line..."},
    {152, "Remove LF"},
    {153, "Insert LF"},
    {154, "Remove hyphenation"},
    {155, "Upper- to lowercase"},
    {156, "Lower- to uppercase"},
    {157, "Create new table"},
    {158, "Insert TR"},
    {159, "Insert TD"},
    {160, "Merge cells"},
    {161, "Split cells"},
    {162, "Merge cols"},
    {163, "Split cols"},
    {164, "Remove font formatting"},
    {165, "Replace special characters"},
    {166, "Create character code"},
    {167, "Check HTML"},
    {168, "Create JavaScript string variable"},
    {169, "Design mode on/off"},
    {170, "Enable Browser messages"},
    {171, "Reload"},
    {172, "Forward"},
    {173, "Back"},
    {174, "Go to URL"},
    {175, "Get HTML source"},
    {176, "Get text"},
    {177, "Zoom in"},
    {178, "Zoom out"},
    {179, "Language"},
    {180, "English"},
    {181, "German"},
    {182, "Settings"},
    {183, "Check for updates online"},
    {184, "FTP"},
    {185, "Start simple text editor"},
    {187, "Content"},
    {188, "About..."},
    {189, "Source"},
    {190, "Copy"},
    {191, "Paste"},
    {192, "Print"},
    {193, "Zoom in"},
    {194, "Zoom out"},
    {195, "Html source"},
    {196, "Get text"},
    {197, "Properties"},
    {198, "New HTML doc?"},
    {199, "Undo"},
    {200, "Copy"},
    {201, "Cut"},
    {202, "Paste"},
    {203, "Find"},
    {204, "Find next"},
    {205, "Replace"},
    {206, "Behind current selection?"},
    {207, "Comment"},
    {208, "Special character"},
    {209, "Redundant code removed"},
    {210, "Set bookmark"},
    {211, "Go to bookmark"},
    {212, "Delete bookmarks"},
    {213, "Bookmark "},
    {214, "Clear recent files..."},
    {215, "No FTP connection specified!"},
};

// German wording the program shows in its menus, hints and messages.
const QuotedLine germanLines[] = {
    {0, "Untitled"},
    {1, "Geändert"},
    {2, "Zeile: %3d   Spalte: %3d"},
    {18, "Suchbegriff nicht gefunden."},
    {21, "Änderungen speichern in: "},
    {22, "Datei kann nicht geöffnet werden:"},
    {23, "Kann Sicherungsdatei nicht erstellen!"},
    {24, "Datei kann nicht gespeichert werden: "},
    {25, "OK zum Überschreiben von "},
    {30, "Zeilennummer eingeben;"},
    {53, "Sicherungsdatei(en) löschen?"},
    {55, "Online Update konnte nicht gestartet werden oder vom Benutzer abgebrochen!"},
    {64, "Zeilenbegrenzung ein/aus"},
    {65, "Fett (Bold)"},
    {66, "Kursiv (Italic)"},
    {67, "Unterstrichen"},
    {68, "Durchgestrichen"},
    {69, "Unsortierte Liste"},
    {70, "Nummerierte Liste"},
    {71, "Linksbündig"},
    {72, "Zentriert"},
    {73, "Blocksatz"},
    {74, "Rechtsbündig"},
    {75, "Einrücken"},
    {113, "Formular einfügen"},
    {114, "Textzeile einfügen"},
    {115, "Passwortfeld einfügen"},
    {116, "Dateiupload einfügen"},
    {117, "Verdecktes Feld einfügen"},
    {118, "Textfeld einfügen"},
    {119, "Auswahlliste einfügen"},
    {120, "Aufklappliste einfügen"},
    {121, "Schaltfläche einfügen"},
    {122, "Radiobutton einfügen"},
    {123, "Auswahlbox einfügen"},
    {129, "&Datei"},
    {130, "&Bearbeiten"},
    {131, "&Hilfe"},
    {132, "Neu"},
    {133, "Öffnen..."},
    {134, "Speichern"},
    {135, "Speichern unter..."},
    {136, "ASCII Text speichern"},
    {137, "Als UTF-8 speichern"},
    {138, "Sicherungsdateien löschen..."},
    {140, "Drucken"},
    {141, "Beenden"},
    {147, "Suchen..."},
    {148, "Weitersuchen"},
    {149, "Ersetzen..."},
    {150, "Multi Suchen/Ersetzen..."},
    {151, "Gehe zu Zeile..."},
    {152, "Zeilenumbrüche entfernen"},
    {153, "Zeilenumbrüche einfügen"},
    {154, "Silbentrennung entfernen"},
    {155, "Groß- zu Kleinschreibung"},
    {156, "Klein- zu Großschreibung"},
    {157, "Neue Tabelle erstellen"},
    {158, "Tabellenzeile (TR) einfügen"},
    {159, "Tabellenzelle (TD) einfügen"},
    {160, "Zellen zusammenfügen"},
    {161, "Zelle teilen"},
    {164, "Schriftformatierung entfernen"},
    {165, "Umlaute ersetzen"},
    {166, "Zeichencode erstellen"},
    {167, "Prüfe HTML"},
    {168, "JavaScript-Stringvariable erstellen"},
    {179, "Sprache"},
    {180, "Englisch"},
    {181, "Deutsch"},
    {182, "Einstellungen"},
    {183, "Nach Updates suchen"},
    {184, "FTP"},
    {185, "Einfachen Texteditor starten"},
    {187, "Inhalt"},
    {188, "&Info..."},
    {199, "Rückgängig"},
    {200, "Kopieren"},
    {201, "Ausschneiden"},
    {202, "Einfügen"},
    {203, "Suchen"},
    {204, "Weitersuchen"},
    {205, "Ersetzen"},
    {207, "Kommentar"},
    {208, "Sonderzeichen"},
    {213, "Lesezeichen "},
    {214, "Letzte Dateien löschen..."},
    {215, "Keine FTP Verbindung angegeben!"},
};

// Lines the program never shows; they only hold the others' places.
const QSet<int> unusedLines{6, 7, 8, 9, 10, 186};

int leadingBlanks(const QString& text) {
    int n = 0;
    while (n < text.size() && text.at(n) == QLatin1Char(' '))
        ++n;
    return n;
}

} // namespace

TEST(MessageTables, BothHaveExactly216Lines) {
    EXPECT_EQ(MessageTable::english().size(), MessageTable::LineCount);
    EXPECT_EQ(MessageTable::german().size(), MessageTable::LineCount);
}

TEST(MessageTables, EnglishMatchesEveryListedLineExactly) {
    const QStringList& table = MessageTable::english();
    ASSERT_EQ(table.size(), MessageTable::LineCount);
    for (const QuotedLine& line : englishLines)
        EXPECT_EQ(table.at(line.index), QString::fromUtf8(line.text)) << "line " << line.index;
}

TEST(MessageTables, GermanMatchesTheProgramsOwnWording) {
    const QStringList& table = MessageTable::german();
    ASSERT_EQ(table.size(), MessageTable::LineCount);
    for (const QuotedLine& line : germanLines)
        EXPECT_EQ(table.at(line.index), QString::fromUtf8(line.text)) << "line " << line.index;
}

TEST(MessageTables, EveryGermanLineIsTranslated) {
    const QStringList& german = MessageTable::german();
    const QStringList& english = MessageTable::english();
    ASSERT_EQ(german.size(), MessageTable::LineCount);
    ASSERT_EQ(english.size(), MessageTable::LineCount);
    // The same word in both languages.
    const QSet<int> sameInBoth{0, 141, 184};
    for (int n = 0; n < MessageTable::LineCount; ++n) {
        EXPECT_FALSE(german.at(n).trimmed().isEmpty()) << "line " << n;
        if (!sameInBoth.contains(n)) {
            EXPECT_NE(german.at(n), english.at(n)) << "line " << n;
        }
    }
}

TEST(MessageTables, OnlyUnusedPlacesHoldThePlaceholder) {
    ASSERT_EQ(std::size(englishLines) + unusedLines.size(), size_t(MessageTable::LineCount));
    for (int n = 0; n < MessageTable::LineCount; ++n) {
        EXPECT_EQ(MessageTable::english().value(n) == QStringLiteral("Not used"),
                  unusedLines.contains(n))
            << "line " << n;
        EXPECT_EQ(MessageTable::german().value(n) == QStringLiteral("Nicht verwendet"),
                  unusedLines.contains(n))
            << "line " << n;
    }
}

TEST(MessageTables, KeepLeadingAndTrailingBlanks) {
    const QStringList& german = MessageTable::german();
    const QStringList& english = MessageTable::english();
    ASSERT_EQ(german.size(), MessageTable::LineCount);
    // A message appended to a number or a name brings its own blank in both languages.
    for (int n = 0; n < MessageTable::LineCount; ++n)
        EXPECT_EQ(leadingBlanks(german.at(n)), leadingBlanks(english.at(n))) << "line " << n;
    EXPECT_EQ(leadingBlanks(english.at(54)), 2);
    EXPECT_TRUE(english.at(213).endsWith(QLatin1Char(' ')));
    EXPECT_TRUE(german.at(213).endsWith(QLatin1Char(' ')));
    for (int n : {21, 24, 25})
        EXPECT_TRUE(german.at(n).endsWith(QLatin1Char(' '))) << "line " << n;
}

TEST(MessageTables, StatusLineFormatsCaretPositionInBothLanguages) {
    const QByteArray english = MessageTable::english().at(2).toUtf8();
    const QByteArray german = MessageTable::german().at(2).toUtf8();
    EXPECT_EQ(QString::asprintf(english.constData(), 12, 5), QStringLiteral("Row  12   Col:   5"));
    EXPECT_EQ(QString::asprintf(german.constData(), 12, 5),
              QStringLiteral("Zeile:  12   Spalte:   5"));
}

TEST(MessageTables, CaptionsAndHintsAreFreeOfKeyLabelsAndDoubledBlanks) {
    // The menus show each item's shortcut themselves, in the style of the desktop.
    for (const QStringList* table : {&MessageTable::english(), &MessageTable::german()}) {
        for (int n = 56; n < MessageTable::LineCount; ++n) {
            const QString& text = table->at(n);
            EXPECT_FALSE(text.contains(QStringLiteral("CTRL+")) ||
                         text.contains(QStringLiteral("STRG+")))
                << "line " << n;
            EXPECT_FALSE(text.trimmed().contains(QStringLiteral("  "))) << "line " << n;
        }
    }
}

TEST(MessageTables, FilesAreUtf8WithLfOnly) {
    for (const char* name : {":/messages/en.txt", ":/messages/de.txt"}) {
        QFile file(QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_FALSE(bytes.contains('\r')) << name;
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << name;
        EXPECT_EQ(bytes.count('\n'), MessageTable::LineCount) << name;
        EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << name;
    }
}

TEST(MessageTable, SetLanguageOneIsEnglishAnyOtherValueGerman) {
    MessageTable table;
    table.setLanguage(UiLanguage::English);
    EXPECT_EQ(table.language(), UiLanguage::English);
    EXPECT_EQ(table.message(129), QStringLiteral("&File"));
    EXPECT_EQ(table.message(21), QStringLiteral("Save changes to:"));

    table.setLanguage(UiLanguage::German);
    EXPECT_EQ(table.language(), UiLanguage::German);
    EXPECT_EQ(table.message(129), QStringLiteral("&Datei"));

    for (int other : {2, -1, 7}) {
        table.setLanguage(UiLanguage::English);
        table.setLanguage(uiLanguageFromNumber(other));
        EXPECT_EQ(table.language(), UiLanguage::German) << other;
        EXPECT_EQ(table.message(132), QStringLiteral("Neu")) << other;
    }
}

TEST(MessageTable, UntitledNameIsTheSameInBothLanguages) {
    MessageTable table;
    table.setLanguage(UiLanguage::German);
    const QString german = table.message(0);
    table.setLanguage(UiLanguage::English);
    EXPECT_EQ(german, QStringLiteral("Untitled"));
    EXPECT_EQ(table.message(0), german);
}

TEST(MessageTable, HelpFileFollowsTheLanguage) {
    MessageTable table;
    table.setLanguage(UiLanguage::English);
    EXPECT_EQ(table.helpFile(QStringLiteral("/opt/hexlume/")),
              QStringLiteral("/opt/hexlume/editorhlpe.chm"));
    table.setLanguage(UiLanguage::German);
    EXPECT_EQ(table.helpFile(QStringLiteral("/opt/hexlume/")),
              QStringLiteral("/opt/hexlume/editorhlp.chm"));
}
