#include "features/doctype/doctype_command.h"
#include "foundation/document/document.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QDir>
#include <QTemporaryDir>

#include "file_bytes.h"
#include "test_paths.h"

#include <QRegularExpression>

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
        // The quoted form of the new-page template is the program's own: nothing changes.
        {"<head>\r\n<meta name=\"generator\" content=\"Hexlume\">\r\n</head>",
         "<head>\r\n<meta name=\"generator\" content=\"Hexlume\">\r\n</head>"},
        // Quoted, in any order and case, a ">" inside a value: updated where it stands.
        {"<head><meta content=\"Microsoft FrontPage 4.0\" NAME=\"GENERATOR\"></head>",
         "<head><meta name=\"generator\" content=\"Hexlume\"></head>"},
        {"<head><Meta content='a > b' name = 'Generator'/><title>t</title></head>",
         "<head><meta name=\"generator\" content=\"Hexlume\" /><title>t</title></head>"},
        // An unquoted name is the form the stamp itself writes; the content may be quoted.
        {"<head><meta name=Generator content=\"Microsoft Word 9\"></head>",
         "<head><meta name=GENERATOR content=Hexlume></head>"},
        // Other meta elements and one inside a comment are left alone.
        {"<head><meta name=\"description\" content=\"generator\">"
         "<!-- <meta name=generator content=x> --></head>",
         "<head><meta name=\"description\" content=\"generator\">"
         "<!-- <meta name=generator content=x> --><meta name=GENERATOR content=Hexlume>\r\n"
         "</head>"},
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

// Counted without the code under test: meta elements named generator, comments left out.
int generatorElementCount(QString text) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression element(
        QStringLiteral("<meta\\s[^>]*name\\s*=\\s*[\"']?generator[\"'\\s/>]"),
        QRegularExpression::CaseInsensitiveOption);
    text.remove(comment);
    int count = 0;
    for (auto it = element.globalMatch(text); it.hasNext(); it.next())
        ++count;
    return count;
}

TEST(DocType, StampingCorpusPagesTwiceGivesWhatOnceGivesAndNeverASecondElement) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty() || QDir(folder).isEmpty(QDir::Files))
        GTEST_SKIP() << "no corpus pages beside the repository";
    int withElement = 0;
    for (const QString& name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        const std::optional<LoadedDocument> page = loadDocumentFile(QDir(folder).filePath(name));
        ASSERT_TRUE(page) << name.toStdString();
        const int before = generatorElementCount(page->text);
        MemoryBuffer editor(page->text);
        stampGeneratorElement(editor);
        const QString once = editor.text();
        stampGeneratorElement(editor);
        EXPECT_EQ(editor.text(), once) << name.toStdString();
        const bool head = once.contains(QStringLiteral("</head>"), Qt::CaseInsensitive);
        EXPECT_EQ(generatorElementCount(once), before > 0 ? before : int(head))
            << name.toStdString();
        if (before > 0) {
            ++withElement;
            EXPECT_TRUE(once.contains(QStringLiteral("content=Hexlume>")) ||
                        once.contains(QStringLiteral("content=\"Hexlume\"")))
                << name.toStdString();
        }
    }
    EXPECT_GT(withElement, 10);
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
        document.stampGenerator = [this] { stampGeneratorKeepingSelection(editor); };
    }

    QTemporaryDir dir;
    MessageTable messages;
    MemoryBuffer editor;
    ScriptedPrompter prompter;
    Document document;
};

// The charset a page declares, and whether the encoding it is written in is that charset.
bool declaresItsEncoding(const QString& page, TextEncoding encoding) {
    static const QRegularExpression declared(QStringLiteral("charset=\"?([^\">]+)"));
    const QString name = declared.match(page).captured(1).toLower();
    if (name == QLatin1String("utf-8"))
        return encoding == TextEncoding::Utf8;
    // The page's code page holds every ISO-8859-1 character at the same byte.
    if (name == QLatin1String("iso-8859-1") || name == QLatin1String("windows-1252"))
        return encoding == TextEncoding::Ansi;
    return false;
}

TEST_F(NewAndSaveTest, NewPageOfEachTypeDeclaresWhatSaveWritesAndCarriesOneGenerator) {
    const char* const answers[] = {
        "html4-transitional", "html4-strict",   "html4-frameset", "xhtml-transitional",
        "xhtml-strict",       "xhtml-frameset", "html5"};
    const char* const charsets[] = {"",      "UTF-8", "ISO-8859-1", "Windows-1252", "Windows-1251",
                                    "latin1"};
    for (const char* answer : answers) {
        for (const char* charset : charsets) {
            for (UiLanguage language : {UiLanguage::German, UiLanguage::English}) {
                const std::string row = std::string(answer) + " " + charset;
                messages.setLanguage(language);
                document.setCharset(QLatin1String(charset));
                editor.setModified(false);
                prompter.clearMessages();
                prompter.addAnswer(QStringLiteral("yes"));
                prompter.addAnswer(QLatin1String(answer));
                document.newDocument();
                const QString page = editor.text();
                EXPECT_TRUE(editor.isModified()) << row;
                EXPECT_EQ(prompter.messages(),
                          (QStringList{messages.message(198), QStringLiteral("DocType")}));
                EXPECT_TRUE(declaresItsEncoding(page, document.format().encoding)) << row;
                EXPECT_EQ(generatorElementCount(page), 1) << row;
                // Save's stamp knows the page's own generator element.
                MemoryBuffer stamped(page);
                stampGeneratorElement(stamped);
                EXPECT_EQ(stamped.text(), page) << row;
            }
        }
    }
}

TEST_F(NewAndSaveTest, ClassicPagesKeepTheirSkeletonAndHtml5IsClean) {
    document.setCharset(QString());
    prompter.addAnswer(QStringLiteral("yes"));
    prompter.addAnswer(QStringLiteral("xhtml-strict"));
    document.newDocument();
    EXPECT_EQ(editor.text(),
              docTypeDeclaration(12) + QStringLiteral("\r\n") + XhtmlRoot +
                  QStringLiteral("\r\n<head>\r\n"
                                 "<meta http-equiv=\"content-type\" content=\"text/html; "
                                 "charset=UTF-8\">\r\n"
                                 "<meta name=\"generator\" content=\"Hexlume\">\r\n"
                                 "<title>Untitled</title>\r\n</head>\r\n"
                                 "<body background=\"background.jpg\" bgcolor=\"#FFFFFF\" "
                                 "text=\"#000000\" link=\"#FF9966\" vlink=\"#FF9900\" "
                                 "alink=\"#800080\">\r\n\r\n</body>\r\n</html>"));

    messages.setLanguage(UiLanguage::German);
    document.setCharset(QStringLiteral("ISO-8859-1"));
    editor.setModified(false);
    prompter.addAnswer(QStringLiteral("yes"));
    prompter.addAnswer(QStringLiteral("html5"));
    document.newDocument();
    EXPECT_EQ(editor.text(),
              QStringLiteral("<!DOCTYPE html>\r\n<html lang=\"de\">\r\n<head>\r\n"
                             "<meta charset=\"utf-8\">\r\n"
                             "<meta name=\"viewport\" content=\"width=device-width, "
                             "initial-scale=1\">\r\n"
                             "<meta name=\"generator\" content=\"Hexlume\">\r\n"
                             "<title>Untitled</title>\r\n</head>\r\n<body>\r\n\r\n</body>\r\n"
                             "</html>"));
    EXPECT_EQ(document.format().encoding, TextEncoding::Utf8);
}

TEST_F(NewAndSaveTest, CancellingTheTypeCancelsNew) {
    const QString path = QDir(dir.path()).filePath(QStringLiteral("kept.html"));
    ASSERT_TRUE(writeFileBytes(path, "<p>kept</p>"));
    ASSERT_TRUE(document.loadDocument(path));
    for (const char* answer : {"cancel", static_cast<const char*>(nullptr)}) {
        prompter.addAnswer(QStringLiteral("yes"));
        if (answer)
            prompter.addAnswer(QLatin1String(answer));
        document.newDocument();
        EXPECT_EQ(editor.text(), QStringLiteral("<p>kept</p>"));
        EXPECT_EQ(document.fileName(), path);
        EXPECT_FALSE(editor.isModified());
    }
    // No to "New HTML doc?" still gives the empty document.
    prompter.addAnswer(QStringLiteral("no"));
    document.newDocument();
    EXPECT_EQ(editor.text(), QStringLiteral(" "));
}

TEST_F(NewAndSaveTest, SaveStampsOnceAndKeepsTheCaret) {
    const QString path = QDir(dir.path()).filePath(QStringLiteral("page.html"));
    // A page without a generator element: the first save adds one, the second keeps it.
    const QString page = newPage(1, QStringLiteral("UTF-8"), UiLanguage::English)
                             .text.remove(QStringLiteral("<meta name=\"generator\" "
                                                         "content=\"Hexlume\">\r\n"));
    ASSERT_TRUE(writeFileBytes(path, page.toUtf8()));
    ASSERT_TRUE(document.loadDocument(path));
    const QByteArray stamped = "<title>Untitled</title>\r\n"
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
