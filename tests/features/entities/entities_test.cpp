#include "cli/cli_runner.h"
#include "features/entities/entities.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"
#include "marked_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

// The ten rows applied one after the other to the whole text, as the command is described.
QString replaceRowByRow(QString text) {
    const std::pair<const char16_t*, const char*> rows[] = {
        {u"\u20AC", "&euro;"}, {u"\u00A9", "&copy;"},  {u"\u00AE", "&reg;"},  {u"\u00C4", "&Auml;"},
        {u"\u00DC", "&Uuml;"}, {u"\u00D6", "&Ouml;"},  {u"\u00E4", "&auml;"}, {u"\u00FC", "&uuml;"},
        {u"\u00F6", "&ouml;"}, {u"\u00DF", "&szlig;"},
    };
    for (auto [character, entity] : rows)
        text.replace(QString::fromUtf16(character), QLatin1String(entity));
    return text;
}

QJsonObject runJson(const QStringList& args, const QByteArray& input) {
    const CliResult r =
        runCli(QStringList{QStringLiteral("--json")} + args, [input] { return input; });
    EXPECT_EQ(r.exitCode, 0) << r.standardError.constData();
    return QJsonDocument::fromJson(r.standardOutput).object();
}

} // namespace

TEST(ReplaceUmlauts, EveryCharacterOfTheTableBecomesItsEntity) {
    EXPECT_EQ(replaceUmlauts(QStringLiteral("€©®ÄÜÖäüöß")),
              QStringLiteral("&euro;&copy;&reg;&Auml;&Uuml;&Ouml;&auml;&uuml;&ouml;&szlig;"));
    EXPECT_EQ(replaceUmlauts(QStringLiteral("Größe: 5 €\r\nMüller")),
              QStringLiteral("Gr&ouml;&szlig;e: 5 &euro;\r\nM&uuml;ller"));
    // Other accented letters and already written entities stay as they are.
    EXPECT_EQ(replaceUmlauts(QStringLiteral("éÉ &auml; ÿ")), QStringLiteral("éÉ &auml; ÿ"));
}

TEST(ReplaceUmlauts, OnePassGivesWhatTheRowsGiveOneAfterTheOther) {
    const QString alphabet = QStringLiteral("aZ &;\r\n€©®ÄÜÖäüößéª¨ÿ\u20AB\u20AD");
    QRandomGenerator random(7);
    for (int round = 0; round < 200; ++round) {
        QString text;
        const int length = int(random.bounded(40));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        EXPECT_EQ(replaceUmlauts(text), replaceRowByRow(text)) << text.toStdString();
    }
}

TEST(ReplaceUmlauts, DocumentWithoutThemIsNotTouched) {
    MemoryBuffer b(QStringLiteral("plain <b>text</b>"));
    b.select(2, 5);
    replaceUmlautsInDocument(b);
    EXPECT_FALSE(b.isModified());
    EXPECT_EQ(b.selStart(), 2);
    EXPECT_EQ(b.selLength(), 3);

    b.loadText(QStringLiteral("Ä\r\nß"));
    replaceUmlautsInDocument(b);
    EXPECT_EQ(b.text(), QStringLiteral("&Auml;\r\n&szlig;"));
    b.undo();
    EXPECT_EQ(b.text(), QStringLiteral("Ä\r\nß")) << "one undo step for the whole rewrite";
}

TEST(NumericCharacterReference, FirstCharacterInDecimal) {
    EXPECT_EQ(numericCharacterReference(QStringLiteral("€")), QStringLiteral("&#8364;"));
    EXPECT_EQ(numericCharacterReference(QStringLiteral("Ab")), QStringLiteral("&#65;"));
    // Outside the basic plane the pair is one character.
    EXPECT_EQ(numericCharacterReference(QString::fromUcs4(U"\U0001F600x")),
              QStringLiteral("&#128512;"));
    EXPECT_EQ(numericCharacterReference(QString()), QString());
}

TEST(CharacterReferenceCommand, ReplacesTheWholeSelectionOrAsksForOne) {
    MessageTable table;
    ScriptedPrompter prompter;
    auto b = markedBuffer(QStringLiteral("x[äbc]y"));
    replaceSelectionByCharacterReference({*b, prompter, table});
    EXPECT_EQ(marked(*b), QStringLiteral("x&#228;|y"));
    EXPECT_TRUE(prompter.messages().isEmpty());

    b = markedBuffer(QStringLiteral("x|y"));
    replaceSelectionByCharacterReference({*b, prompter, table});
    table.setLanguage(UiLanguage::German);
    replaceSelectionByCharacterReference({*b, prompter, table});
    EXPECT_EQ(prompter.messages(),
              QStringList({QStringLiteral("To get the HTML code of a character select it first!"),
                           QStringLiteral("Um den HTML Code eines Zeichens zu erhalten, markieren "
                                          "Sie es zuerst!")}));
    EXPECT_FALSE(b->isModified());
}

TEST(JavaScriptString, EachLineQuotedAndJoined) {
    struct Case {
        const char* selected;
        const char* script;
    };
    const Case cases[] = {
        {"Hello\r\nWorld", "'Hello'+\r\n'World';"},
        {"single line", "'single line';"},
        // Trimmed first: no empty piece for a closing line break, no leading blanks.
        {"  Hello\r\nWorld\r\n", "'Hello'+\r\n'World';"},
        {"\r\n\tone\r\n\r\n  two  \r\n", "'one'+\r\n''+\r\n'  two';"},
        // Lone CR and LF end a line too.
        {"a\nb\rc", "'a'+\r\n'b'+\r\n'c';"},
        {" \r\n\t ", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(javaScriptString(QString::fromUtf8(c.selected)), QString::fromUtf8(c.script))
            << c.selected;
}

TEST(JavaScriptString, QuotesAndBackslashesAreEscaped) {
    EXPECT_EQ(javaScriptString(QStringLiteral("it's")), QStringLiteral("'it\\'s';"));
    EXPECT_EQ(javaScriptString(QStringLiteral("C:\\dir\\")), QStringLiteral("'C:\\\\dir\\\\';"));
    // An escaped quote in the source must not end the string early.
    EXPECT_EQ(javaScriptString(QStringLiteral("\\'\r\n\"ok\"")), QStringLiteral("'\\\\\\'"
                                                                                "'+\r\n'\"ok\"';"));
}

TEST(JavaScriptStringCommand, ReplacesTheSelectionAndIgnoresBlankOnes) {
    auto b = markedBuffer(QStringLiteral("var s = [Hello\r\nWorld\r\n];"));
    replaceSelectionByJavaScriptString(*b);
    EXPECT_EQ(marked(*b), QStringLiteral("var s = 'Hello'+\r\n'World';|;"));

    b = markedBuffer(QStringLiteral("x[ \r\n ]y"));
    replaceSelectionByJavaScriptString(*b);
    EXPECT_EQ(marked(*b), QStringLiteral("x[ \r\n ]y"));
    EXPECT_FALSE(b->isModified());
}

TEST(SpecialEntities, EveryButtonWritesTheCharacterItShows) {
    // Each entity's own character, from the HTML entity list, independent of the table.
    const QMap<QString, QString> entityCharacters{
        {"&Auml;", "Ä"},   {"&Ouml;", "Ö"},   {"&Uuml;", "Ü"},   {"&auml;", "ä"},
        {"&ouml;", "ö"},   {"&uuml;", "ü"},   {"&szlig;", "ß"},  {"&Egrave;", "È"},
        {"&Ecirc;", "Ê"},  {"&Eacute;", "É"}, {"&egrave;", "è"}, {"&ecirc;", "ê"},
        {"&eacute;", "é"}, {"&Aring;", "Å"},  {"&Acirc;", "Â"},  {"&Aacute;", "Á"},
        {"&aring;", "å"},  {"&acirc;", "â"},  {"&agrave;", "à"}, {"&sect;", "§"},
        {"&amp;", "&"},    {"&euro;", "€"},   {"&Oslash;", "Ø"}, {"&nbsp;", "Space"},
    };
    QStringList buttons;
    for (const SpecialEntity& e : specialEntities()) {
        const QString entity = e.entity;
        ASSERT_TRUE(entityCharacters.contains(entity)) << e.button;
        EXPECT_EQ(entityCharacters.value(entity), QString::fromUtf8(e.caption)) << e.button;
        buttons.append(QLatin1String(e.button));
    }
    EXPECT_EQ(buttons.size(), 24);
    EXPECT_EQ(buttons.first(), QStringLiteral("capitalAUmlautButton"));
    EXPECT_EQ(buttons.last(), QStringLiteral("nonBreakingSpaceButton"));
    EXPECT_EQ(buttons.removeDuplicates(), 0);
}

TEST(CliEntities, ReplaceUmlautsCharCodeAndJsString) {
    QJsonObject r = runJson({QStringLiteral("replace-umlauts")}, "Grüße\n");
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral("Gr&uuml;&szlig;e"));

    r = runJson({QStringLiteral("--select"), QStringLiteral("1:2"), QStringLiteral("char-code")},
                "x€y");
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral("x&#8364;"));
    r = runJson({QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("char-code")}, "x");
    EXPECT_EQ(r.value(QStringLiteral("messages")).toArray().size(), 1);
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral("x"));

    r = runJson({QStringLiteral("--select"), QStringLiteral("0:9"), QStringLiteral("js-string")},
                "it's\na\\b\n");
    EXPECT_EQ(r.value(QStringLiteral("text")).toString(), QStringLiteral("'it\\'s'+\r\n'a\\\\b';"));
}
