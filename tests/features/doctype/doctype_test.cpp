#include "features/doctype/doctype_command.h"
#include "foundation/document/document.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QDir>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <gtest/gtest.h>

namespace {

const QString XhtmlRoot = QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\">");

// Written out here, not taken from the code, so a slip in an identifier shows.
const struct {
    int code;
    const char* declaration;
} Declarations[] = {
    {1, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        "\"http://www.w3.org/TR/html4/loose.dtd\">"},
    {2, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" "
        "\"http://www.w3.org/TR/html4/strict.dtd\">"},
    {3, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\" "
        "\"http://www.w3.org/TR/html4/frameset.dtd\">"},
    {11, "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">"},
    {12, "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"  "
         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">"},
    {13, "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Frameset//EN\" "
         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-frameset.dtd\">"},
    {21, "<!DOCTYPE html>"},
    {23, "<!DOCTYPE html>"},
    {0, "<!DOCTYPE html>"},
    {10, "<!DOCTYPE html>"},
};

TEST(DocType, DeclarationForEveryCodeOfTheDialog) {
    for (const auto& row : Declarations)
        EXPECT_EQ(docTypeDeclaration(row.code), QString::fromLatin1(row.declaration)) << row.code;
    // The dialog's items give these codes: XHTML / Strict is the one with two blanks.
    EXPECT_EQ(docTypeCode(1, 1), 12);
}

TEST(DocType, FindDocTypeReturnsTheDeclarationInItsOwnCase) {
    const struct {
        const char* text;
        const char* found;
    } rows[] = {
        {"<!doctype html>\r\n<html>", "<!doctype html>"},
        {"x <!DocType HTML PUBLIC \"a\">\r\n<!DOCTYPE html>", "<!DocType HTML PUBLIC \"a\">"},
        {"<html><body>no declaration</body></html>", ""},
        {"<!DOCTYPE html", ""},
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(findDocType(QString::fromLatin1(row.text)), QString::fromLatin1(row.found))
            << row.text;
}

TEST(DocType, StampGeneratorAddsReplacesOrLeavesAlone) {
    const struct {
        const char* text;
        const char* stamped;
    } rows[] = {
        // The quoted form of the new-page template does not match: a second one is added.
        {"<head>\r\n<meta name=\"generator\" content=\"Hexlume\">\r\n</head>",
         "<head>\r\n<meta name=\"generator\" content=\"Hexlume\">\r\n"
         "<meta name=GENERATOR content=Hexlume>\r\n</head>"},
        // Written in capitals, unquoted: found on the lower-cased copy and replaced.
        {"<HEAD><META NAME=GENERATOR CONTENT=Other></HEAD>",
         "<HEAD><meta name=GENERATOR content=Hexlume></HEAD>"},
        {"<head><meta name=generator content=Hexlume></head>x",
         "<head><meta name=GENERATOR content=Hexlume></head>x"},
        // Only the first "</head>", in any case.
        {"<p>a</HEAD>b</head>", "<p>a<meta name=GENERATOR content=Hexlume>\r\n</head>b</head>"},
        {"<html><body>no head</body></html>", "<html><body>no head</body></html>"},
        {"<head><meta name=generator content=x</head",
         "<head><meta name=generator content=x</head"},
    };
    for (const auto& row : rows) {
        MemoryBuffer editor(QString::fromLatin1(row.text));
        stampGeneratorElement(editor);
        EXPECT_EQ(editor.text(), QString::fromLatin1(row.stamped)) << row.text;
    }
}

TEST(DoctypeCommand, PrependsTheDeclarationAndNamespacesAPlainXhtmlRoot) {
    const QString box = QStringLiteral("Run code check (HTML menu) please.");
    const struct {
        const char* text;
        const char* answer;
        UiLanguage language;
        QString result; // empty: unchanged
        QString shown;  // after "DocType"
    } rows[] = {
        // A root in capitals without attributes takes the namespace; the box follows.
        {"<HTML>\r\n<html></HTML>", "xhtml-strict", UiLanguage::English,
         docTypeDeclaration(12) + QStringLiteral("\r\n") + XhtmlRoot +
             QStringLiteral("\r\n<html></HTML>"),
         box},
        // With attributes the root keeps its form, and the box still asks for the check.
        {"<html lang=\"de\"></html>", "xhtml-frameset", UiLanguage::German,
         docTypeDeclaration(13) + QStringLiteral("\r\n<html lang=\"de\"></html>"),
         QStringLiteral("Bitte führen Sie eine Codeprüfung (HTML-Menü) durch.")},
        // A declaration already there stays: the new one goes in front of it.
        {"<!DOCTYPE html>\r\n<html></html>",
         "html4-strict",
         UiLanguage::English,
         docTypeDeclaration(2) + QStringLiteral("\r\n<!DOCTYPE html>\r\n<html></html>"),
         {}},
        {"<html></html>", "cancel", UiLanguage::English, {}, {}},
        {"<html></html>", "yes", UiLanguage::English, {}, {}},
        {"<html></html>", nullptr, UiLanguage::English, {}, {}},
    };
    for (const auto& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        MemoryBuffer editor(text);
        ScriptedPrompter prompter;
        if (row.answer)
            prompter.addAnswer(QLatin1String(row.answer));
        MessageTable messages;
        messages.setLanguage(row.language);
        insertDocType({editor, prompter, messages});
        EXPECT_EQ(editor.text(), row.result.isEmpty() ? text : row.result) << row.text;
        EXPECT_EQ(editor.isModified(), !row.result.isEmpty()) << row.text;
        QStringList shown{QStringLiteral("DocType")};
        if (!row.shown.isEmpty())
            shown << row.shown;
        EXPECT_EQ(prompter.messages(), shown) << row.text;
    }
}

// New and Save as the window wires them: the type through the prompter, the generator on save.
class NewAndSaveTest : public ::testing::Test {
protected:
    NewAndSaveTest() : document(editor, prompter, messages) {
        document.chooseDocType = [this] { return docTypeChoice(prompter.chooseDocType()); };
        document.stampGenerator = [this] { stampGeneratorKeepingSelection(editor); };
    }

    QTemporaryDir dir;
    MessageTable messages;
    MemoryBuffer editor;
    ScriptedPrompter prompter;
    Document document;
};

TEST_F(NewAndSaveTest, NewWithEachAnswer) {
    const struct {
        const char* answer;
        int code; // 0: no declaration line
        bool xhtml;
    } rows[] = {{"html4-transitional", 1, false},
                {"html4-strict", 2, false},
                {"html4-frameset", 3, false},
                {"xhtml-transitional", 11, true},
                {"xhtml-strict", 12, true},
                {"xhtml-frameset", 13, true},
                {"html5", 21, false},
                {"cancel", 0, false},
                {nullptr, 0, false}};
    for (const auto& row : rows) {
        editor.setModified(false);
        prompter.clearMessages();
        prompter.addAnswer(QStringLiteral("yes"));
        if (row.answer)
            prompter.addAnswer(QLatin1String(row.answer));
        document.newDocument();
        const QString root = row.xhtml ? XhtmlRoot : QStringLiteral("<html>");
        const QString expected =
            (row.code ? docTypeDeclaration(row.code) + QStringLiteral("\r\n") : QString()) + root +
            QStringLiteral("\r\n<head>\r\n");
        EXPECT_TRUE(editor.text().startsWith(expected)) << row.answer;
        EXPECT_EQ(editor.lineCount(), row.code ? 11 : 10) << row.answer;
        EXPECT_TRUE(editor.isModified());
        EXPECT_EQ(prompter.messages(),
                  (QStringList{QStringLiteral("New HTML doc?"), QStringLiteral("DocType")}));
    }
}

TEST_F(NewAndSaveTest, SaveStampsOnceBesideTheTemplatesQuotedGenerator) {
    const QString path = QDir(dir.path()).filePath(QStringLiteral("page.html"));
    const QString page = Document::skeleton(docTypeDeclaration(1), false, QStringLiteral("UTF-8"));
    ASSERT_TRUE(writeFileBytes(path, page.toUtf8()));
    ASSERT_TRUE(document.loadDocument(path));
    const QByteArray stamped = "<meta name=\"generator\" content=\"Hexlume\">\r\n"
                               "<title>Untitled</title>\r\n"
                               "<meta name=GENERATOR content=Hexlume>\r\n</head>";
    for (int save = 0; save < 2; ++save) {
        // The caret stays on the same character, also when the stamp goes in before it.
        const int body = int(editor.text().indexOf(QStringLiteral("</body>")));
        editor.select(body + 2, body);
        editor.setModified(true);
        document.save();
        EXPECT_EQ(editor.caretOffset(), editor.text().indexOf(QStringLiteral("</body>")));
        EXPECT_EQ(editor.selText(), QStringLiteral("</"));
        const QByteArray bytes = readFileBytes(path);
        EXPECT_TRUE(bytes.contains(stamped)) << save;
        EXPECT_EQ(bytes.count("content=Hexlume"), 1) << save;
        EXPECT_FALSE(editor.isModified());
    }
}

} // namespace
