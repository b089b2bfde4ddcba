#include "foundation/document/document.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString& path) {
    return QFile::exists(path) ? readFileBytes(path) : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(writeFileBytes(path, bytes));
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : document(editor, prompter, messages) {
        document.fileNameSet = [this](const QString& p) { namesSet << p; };
        document.highlighterChosen = [this](HighlighterKind k) { highlighter = k; };
        document.setDefaultFolder(dir.path());
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
    MessageTable messages;
    MemoryBuffer editor;
    ScriptedPrompter prompter;
    Document document;
    QStringList namesSet;
    HighlighterKind highlighter = HighlighterKind::Html;
};

TEST_F(DocumentTest, FileNew_AsksBeforeDroppingModifiedTextAndCancelKeepsIt) {
    editor.loadText(QStringLiteral("precious"));
    editor.setModified(true);
    prompter.addAnswer(QStringLiteral("cancel"));
    document.newDocument();
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Save changes to: untitled.html")});
    EXPECT_EQ(editor.text(), QStringLiteral("precious"));
    EXPECT_TRUE(editor.isModified());
}

TEST_F(DocumentTest, FileNew_AnsweredNoLeavesOneBlankAndSaveTurnsIntoSaveAs) {
    document.newDocument();
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("New HTML doc?")});
    EXPECT_EQ(editor.text(), QStringLiteral(" "));
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(document.fileName(), QStringLiteral("Untitled"));
    EXPECT_TRUE(namesSet.contains(QStringLiteral("Untitled")));

    prompter.addFile(path(QStringLiteral("fresh.html")));
    document.save();
    EXPECT_EQ(document.fileName(), path(QStringLiteral("fresh.html")));
    EXPECT_EQ(readBytes(path(QStringLiteral("fresh.html"))),
              QByteArray(" \n").replace('\n', "\r\n"));
}

TEST_F(DocumentTest, FileNew_YesBuildsTheSkeletonWithTheCharsetAndMarksItModified) {
    document.setCharset(QStringLiteral("UTF-8"));
    prompter.addAnswer(QStringLiteral("yes"));
    prompter.addAnswer(QStringLiteral("html4-strict"));
    document.newDocument();
    const QString text = editor.text();
    EXPECT_TRUE(
        text.contains(QStringLiteral("\r\n<html>\r\n<head>\r\n<meta http-equiv=\"content-type\" "
                                     "content=\"text/html; charset=UTF-8\">\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("alink=\"#800080\">\r\n\r\n</body>\r\n</html>")));
    EXPECT_EQ(editor.lineCount(), 11);
    EXPECT_TRUE(editor.isModified());
}

TEST_F(DocumentTest, FileNew_DocTypeChoicePutsDeclarationFirstAndXhtmlRoot) {
    prompter.addAnswer(QStringLiteral("yes"));
    prompter.addAnswer(QStringLiteral("xhtml-frameset"));
    document.newDocument();
    EXPECT_TRUE(editor.text().startsWith(
        QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Frameset//EN\" "
                       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-frameset.dtd\">\r\n"
                       "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n<head>")));
}

TEST_F(DocumentTest, LoadDocument_FailureLeavesTheOpenDocumentAsItWasAndSaysWhy) {
    editor.loadText(QStringLiteral("kept"));
    editor.setModified(true);
    writeBytes(path(QStringLiteral("a.htm")), "x");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("a.htm"))));
    editor.loadText(QStringLiteral("kept"));
    editor.setModified(true);

    writeBytes(path(QStringLiteral("odd.html")), QByteArray("\xFF\xFE"
                                                            "a"));
    writeBytes(path(QStringLiteral("big.html")), QByteArray(64, 'x'));
    document.setSizeLimit(63);
    const struct {
        QString path;
        QString message;
    } cases[] = {
        {path(QStringLiteral("missing.html")), QStringLiteral("Cannot open file:") +
                                                   path(QStringLiteral("missing.html")) +
                                                   QStringLiteral("\nNo such file or directory")},
        {dir.path(), QStringLiteral("Cannot open file:") + dir.path()},
        // Readable, so not "Cannot open file".
        {path(QStringLiteral("odd.html")),
         QStringLiteral("The file can be read, but its text cannot be decoded (UTF-16 with an odd "
                        "number of bytes): ") +
             path(QStringLiteral("odd.html"))},
        {path(QStringLiteral("big.html")),
         QStringLiteral("The file is too large for the memory available: ") +
             path(QStringLiteral("big.html"))},
    };
    for (const auto& c : cases) {
        prompter.clearMessages();
        EXPECT_FALSE(document.loadDocument(c.path));
        EXPECT_EQ(prompter.messages(), QStringList{c.message});
        EXPECT_EQ(editor.text(), QStringLiteral("kept"));
        EXPECT_TRUE(editor.isModified());
        EXPECT_EQ(document.fileName(), path(QStringLiteral("a.htm")));
    }
    document.setSizeLimit(64);
    EXPECT_TRUE(document.loadDocument(path(QStringLiteral("big.html"))));
}

TEST_F(DocumentTest, LoadDocument_ChoosesHighlighterAndMakesTheBackupOnlyOnce) {
    writeBytes(path(QStringLiteral("style.CSS")), "p{}\n");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("style.CSS"))));
    EXPECT_EQ(highlighter, HighlighterKind::Css);
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(readBytes(path(QStringLiteral("style.BAK"))), QByteArray("p{}\n"));

    writeBytes(path(QStringLiteral("style.CSS")), "changed");
    writeBytes(path(QStringLiteral("style.html")), "other");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("style.CSS"))));
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("style.html"))));
    EXPECT_EQ(highlighter, HighlighterKind::Html);
    EXPECT_EQ(readBytes(path(QStringLiteral("style.BAK"))), QByteArray("p{}\n"));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

// Lines too long for the window: breaking them is offered, changes only the editor's text, and
// a save writes the breaks in the file's own style.
TEST_F(DocumentTest, LoadDocument_OffersToBreakLongLinesAndOnlySaveWritesThem) {
    QStringList notes;
    document.note = [&](const QString& text) { notes << text; };
    QByteArray longLine;
    for (int i = 0; i < 20; ++i)
        longLine += "<b class=x>word</b> ";
    const QByteArray original = "<p>short</p>\n" + longLine + "\n<p>end</p>\n";
    const QString page = path(QStringLiteral("long.html"));
    writeBytes(page, original);

    // Without a limit (hexlume-cli) nothing is asked.
    ASSERT_TRUE(document.loadDocument(page));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_TRUE(notes.isEmpty());

    document.setLongLineLimits(50, 50);
    prompter.addAnswer(QStringLiteral("no"));
    ASSERT_TRUE(document.loadDocument(page));
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(editor.text(),
              QString::fromUtf8(original).trimmed().replace(u'\n', QStringLiteral("\r\n")));
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(notes.size(), 1);

    prompter.addAnswer(QStringLiteral("yes"));
    ASSERT_TRUE(document.loadDocument(page));
    const QString broken = editor.text();
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(notes.size(), 2);
    // One line is told as one.
    for (const QString& told : {prompter.messages().first(), notes.last()})
        EXPECT_FALSE(
            told.contains(QRegularExpression(QStringLiteral("\\b1 (long )?(lines|Zeilen)"))))
            << told.toStdString();
    const QStringList lines = broken.split(QStringLiteral("\r\n"));
    EXPECT_GT(lines.size(), 8);
    for (const QString& line : lines)
        EXPECT_LE(line.size(), 50) << line.toStdString();
    EXPECT_EQ(readBytes(page), original);
    document.save();
    const QByteArray saved = readBytes(page);
    EXPECT_FALSE(saved.contains('\r'));
    EXPECT_EQ(QByteArray(saved).replace("\n", ""), QByteArray(original).replace("\n", ""));

    // A long line without a place to break is opened as it is, without asking.
    writeBytes(page, QByteArray(200, 'x'));
    prompter.clearMessages();
    ASSERT_TRUE(document.loadDocument(page));
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(notes.size(), 3);
}

// Reading the file again after another program changed it is an open too: the same question
// for long lines, the same size limit, and a failure said once with the text left alone.
TEST_F(DocumentTest, ReloadFromDisk_AsksAboutLongLinesAndKeepsTheTextWhenTheFileIsTooLarge) {
    const QString page = path(QStringLiteral("reloaded.html"));
    writeBytes(page, "<p>short</p>");
    ASSERT_TRUE(document.loadDocument(page));
    document.setLongLineLimits(50, 50);

    QByteArray longLine;
    for (int i = 0; i < 20; ++i)
        longLine += "<b class=x>word</b> ";
    writeBytes(page, longLine);
    prompter.addAnswer(QStringLiteral("yes"));
    const std::optional<QString> told = document.reloadFromDisk();
    ASSERT_TRUE(told.has_value());
    EXPECT_FALSE(told->isEmpty());
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_GT(editor.lineCount(), 8);
    EXPECT_EQ(editor.text().remove(QStringLiteral("\r\n")), QString::fromUtf8(longLine));
    EXPECT_TRUE(editor.isModified());

    const QString before = editor.text();
    document.setSizeLimit(10);
    EXPECT_FALSE(document.reloadFromDisk().has_value());
    EXPECT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(editor.text(), before);
}

TEST_F(DocumentTest, FileSave_RewritesTheFileInItsOwnEncodingAndLineBreaks) {
    const QByteArray original("\xFF\xFEh\0i\0\n\0", 8);
    writeBytes(path(QStringLiteral("u16.txt")), original);
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("u16.txt"))));
    editor.setModified(true);
    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("u16.txt"))), original);
    EXPECT_FALSE(editor.isModified());
}

TEST_F(DocumentTest, SaveFailures_ReportTheNameAndReasonAndKeepTheModifiedFlag) {
    writeBytes(path(QStringLiteral("page.html")), "old");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("page.html"))));
    editor.setSelText(QStringLiteral("new "));

    // Root can write anywhere, so the failure comes from a file standing where a folder must.
    const QString blocked = path(QStringLiteral("blocked"));
    writeBytes(blocked, "file, not folder");
    prompter.addFile(blocked + QStringLiteral("/page.html"));
    document.saveAs();
    EXPECT_EQ(prompter.messages().last(), QStringLiteral("Cannot save file: ") + blocked +
                                              QStringLiteral("/page.html\nNot a directory"));
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(document.fileName(), path(QStringLiteral("page.html")));

    // Plain save onto a path that has become a folder: the message has no blank.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("page.html"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("page.html")));
    document.save();
    const QString plainFailure = prompter.messages().last();
    EXPECT_TRUE(plainFailure.startsWith(QStringLiteral("Cannot save file:") +
                                        path(QStringLiteral("page.html")) + QLatin1Char('\n')))
        << plainFailure.toStdString();
    EXPECT_GT(plainFailure.size(), plainFailure.indexOf(QLatin1Char('\n')) + 1);
    EXPECT_TRUE(editor.isModified());

    // Yes to "Save changes to:" with a failing save stops the close and says why.
    prompter.clearMessages();
    prompter.addAnswer(QStringLiteral("yes"));
    EXPECT_FALSE(document.closeQuery());
    ASSERT_EQ(prompter.messages().size(), 3);
    EXPECT_EQ(prompter.messages()[0], QStringLiteral("Save changes to: page.html"));
    EXPECT_EQ(prompter.messages()[1], plainFailure);
    EXPECT_EQ(prompter.messages()[2],
              QStringLiteral("The changes were not saved, so the document stays open."));
}

TEST_F(DocumentTest, FileSave_WritesSafelyOverTheOldFile) {
    writeBytes(path(QStringLiteral("page.html")), "old\n");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("page.html"))));
    editor.setSelText(QStringLiteral("new "));
    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("page.html"))), QByteArray("new old\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // + page.BAK
}

TEST_F(DocumentTest, FileSaveAs_AsksBeforeOverwritingAndOnlyOkProceeds) {
    writeBytes(path(QStringLiteral("there.html")), "theirs");
    editor.loadText(QStringLiteral("mine"));
    editor.setModified(true);
    prompter.addFile(path(QStringLiteral("there.html")));
    prompter.addAnswer(QStringLiteral("cancel"));
    document.saveAs();
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("OK to overwrite there.html")});
    EXPECT_EQ(readBytes(path(QStringLiteral("there.html"))), QByteArray("theirs"));

    prompter.addFile(path(QStringLiteral("there.html")));
    prompter.addAnswer(QStringLiteral("ok"));
    document.saveAs();
    EXPECT_EQ(readBytes(path(QStringLiteral("there.html"))), QByteArray("mine\r\n"));
    EXPECT_EQ(document.fileName(), path(QStringLiteral("there.html")));
    EXPECT_FALSE(editor.isModified());
}

TEST_F(DocumentTest, FileSaveAs_TxtWritesAnAnsiCopyAndKeepsTheDocument) {
    writeBytes(path(QStringLiteral("page.html")), "x");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("page.html"))));
    editor.loadText(QStringLiteral("\u00e4\r\nb"));
    editor.setModified(true);
    prompter.addFile(path(QStringLiteral("notes.TXT")));
    document.saveAs();
    EXPECT_EQ(readBytes(path(QStringLiteral("notes.TXT"))), QByteArray("\xE4\r\nb\r\n"));
    EXPECT_EQ(document.fileName(), path(QStringLiteral("page.html")));
    EXPECT_TRUE(editor.isModified());
}

TEST_F(DocumentTest, EncodedSaves_WriteUtf8WithMarkOrAnsiWithoutChangingTheName) {
    editor.loadText(QStringLiteral("\u00e4"));
    editor.setModified(true);
    prompter.addFile(path(QStringLiteral("u.html")));
    document.saveAsUtf8();
    EXPECT_EQ(readBytes(path(QStringLiteral("u.html"))), QByteArray("\xEF\xBB\xBF\xC3\xA4"));
    EXPECT_FALSE(editor.isModified());
    prompter.addFile(path(QStringLiteral("a.html")));
    document.saveAsAnsi();
    EXPECT_EQ(readBytes(path(QStringLiteral("a.html"))), QByteArray("\xE4"));
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_TRUE(prompter.messages().isEmpty());

    // Both ask before they replace a file, and only OK replaces it.
    editor.loadText(QStringLiteral("b"));
    for (void (Document::*save)() : {&Document::saveAsUtf8, &Document::saveAsAnsi}) {
        for (const QString& target :
             {path(QStringLiteral("u.html")), path(QStringLiteral("a.html"))}) {
            const QByteArray before = readBytes(target);
            prompter.clearMessages();
            prompter.addFile(target);
            prompter.addAnswer(QStringLiteral("cancel"));
            (document.*save)();
            EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("OK to overwrite ") +
                                                       QFileInfo(target).fileName()});
            EXPECT_EQ(readBytes(target), before);
        }
    }
    prompter.addFile(path(QStringLiteral("a.html")));
    prompter.addAnswer(QStringLiteral("ok"));
    document.saveAsAnsi();
    EXPECT_EQ(readBytes(path(QStringLiteral("a.html"))), QByteArray("b"));
}

TEST_F(DocumentTest, EveryAnsiSaveThatWouldLoseACharacterAsksForUtf8Instead) {
    const QByteArray original("caf\xE9\n");
    writeBytes(path(QStringLiteral("p.html")), original);
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("p.html"))));
    ASSERT_EQ(document.format().encoding, TextEncoding::Ansi);
    editor.setSelStart(0);
    editor.setSelText(QStringLiteral("Z\u0167\U0001F600\u4E2DW "));
    const QString question =
        QStringLiteral("The character \"\u0167\" (U+0167) cannot be stored in Windows-1252 and "
                       "would become \"?\".\nSave as UTF-8 instead?");
    const QByteArray utf8 =
        QByteArray("\xEF\xBB\xBFZ\xC5\xA7\xF0\x9F\x98\x80\xE4\xB8\xADW caf\xC3\xA9");

    // Declined: nothing is written anywhere and the text stays unsaved.
    const auto declined = [&](const std::function<void()>& save, const QString& target) {
        prompter.clearMessages();
        prompter.addAnswer(QStringLiteral("no"));
        save();
        EXPECT_EQ(prompter.messages(), QStringList{question});
        EXPECT_FALSE(QFile::exists(target) && readBytes(target) != original &&
                     target == path(QStringLiteral("p.html")));
        EXPECT_TRUE(editor.isModified());
    };
    declined([&] { document.save(); }, path(QStringLiteral("p.html")));
    EXPECT_EQ(readBytes(path(QStringLiteral("p.html"))), original);
    prompter.addFile(path(QStringLiteral("a.html")));
    declined([&] { document.saveAsAnsi(); }, path(QStringLiteral("a.html")));
    prompter.addFile(path(QStringLiteral("copy.txt")));
    declined([&] { document.saveAs(); }, path(QStringLiteral("copy.txt")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("a.html"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("copy.txt"))));
    // Yes to "Save changes to:" and then No to the question keeps the document open.
    prompter.clearMessages();
    prompter.addAnswer(QStringLiteral("yes"));
    prompter.addAnswer(QStringLiteral("no"));
    EXPECT_FALSE(document.closeQuery());

    // Accepted: UTF-8 with mark, in the file's own line breaks for a plain save, after which
    // the document is UTF-8 and asks no more.
    prompter.addFile(path(QStringLiteral("a.html")));
    prompter.addAnswer(QStringLiteral("yes"));
    document.saveAsAnsi();
    EXPECT_EQ(readBytes(path(QStringLiteral("a.html"))), utf8);
    prompter.addFile(path(QStringLiteral("copy.txt")));
    prompter.addAnswer(QStringLiteral("yes"));
    document.saveAs();
    EXPECT_EQ(readBytes(path(QStringLiteral("copy.txt"))), utf8 + "\r\n");
    prompter.addAnswer(QStringLiteral("yes"));
    editor.setModified(true);
    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("p.html"))), utf8 + "\n");
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(document.format().encoding, TextEncoding::Utf8);
    prompter.clearMessages();
    editor.setModified(true);
    document.save();
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(DocumentTest, DeletingEverythingAndSavingEmptiesTheFile) {
    writeBytes(path(QStringLiteral("p.html")), "\xEF\xBB\xBFgone\r\n");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("p.html"))));
    editor.selectAll();
    editor.setSelText(QString());
    ASSERT_TRUE(editor.isModified());
    // Leaving now would keep the deleted text in the file, so it asks.
    prompter.addAnswer(QStringLiteral("cancel"));
    EXPECT_FALSE(document.closeQuery());
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Save changes to: p.html")});

    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("p.html"))), QByteArray("\xEF\xBB\xBF"));
    EXPECT_FALSE(editor.isModified());
    prompter.clearMessages();
    EXPECT_TRUE(document.closeQuery());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(DocumentTest, FileSave_EncodingSettingIsExactExceptForDefault) {
    writeBytes(path(QStringLiteral("p.html")), "\xE4");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("p.html"))));
    editor.setModified(true);
    document.setSaveEncodingKey(QStringLiteral("utf-8"));
    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("p.html"))), QByteArray("\xE4"));
    document.setSaveEncodingKey(QStringLiteral("UTF-8"));
    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("p.html"))), QByteArray("\xEF\xBB\xBF\xC3\xA4"));
    document.setSaveEncodingKey(QStringLiteral(" Default "));
    document.save();
    // The document's own encoding (Windows-1252 here) again.
    EXPECT_EQ(readBytes(path(QStringLiteral("p.html"))), QByteArray("\xE4"));
}

TEST_F(DocumentTest, CloseQuery_YesWithCancelledSaveAsDoesNotLoseTheWork) {
    editor.loadText(QStringLiteral("unsaved"));
    editor.setModified(true);
    prompter.addAnswer(QStringLiteral("yes")); // save changes? -> Save As, then cancelled
    EXPECT_FALSE(document.closeQuery());
    EXPECT_TRUE(document.saveCancelled());

    prompter.addAnswer(QStringLiteral("no"));
    EXPECT_TRUE(document.closeQuery());

    editor.loadText(QStringLiteral("  \r\n "));
    editor.setModified(true);
    prompter.clearMessages();
    EXPECT_TRUE(document.closeQuery());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(DocumentTest, CloseQuery_YesWithATxtCopyOfAnUntitledTextCloses) {
    editor.loadText(QStringLiteral("notes"));
    editor.setModified(true);
    prompter.addAnswer(QStringLiteral("yes"));
    prompter.addFile(path(QStringLiteral("notes.txt")));
    EXPECT_TRUE(document.closeQuery());
    EXPECT_EQ(readBytes(path(QStringLiteral("notes.txt"))), QByteArray("notes\r\n"));
    EXPECT_FALSE(editor.isModified());
    EXPECT_TRUE(document.fileName().isEmpty());
}

TEST_F(DocumentTest, OpenAfterAsking_CancelOpensNothing) {
    writeBytes(path(QStringLiteral("b.html")), "b");
    editor.loadText(QStringLiteral("work"));
    editor.setModified(true);
    prompter.addAnswer(QStringLiteral("cancel"));
    document.openAfterAsking(path(QStringLiteral("b.html")));
    EXPECT_EQ(editor.text(), QStringLiteral("work"));
    prompter.addAnswer(QStringLiteral("no"));
    document.openAfterAsking(path(QStringLiteral("b.html")));
    EXPECT_EQ(editor.text(), QStringLiteral("b"));
}

} // namespace
