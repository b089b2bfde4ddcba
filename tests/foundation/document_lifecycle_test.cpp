#include "foundation/document/document.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "file_bytes.h"

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

TEST_F(DocumentTest, LoadDocument_FailureLeavesTheOpenDocumentAsItWas) {
    editor.loadText(QStringLiteral("kept"));
    editor.setModified(true);
    writeBytes(path(QStringLiteral("a.htm")), "x");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("a.htm"))));
    editor.loadText(QStringLiteral("kept"));
    editor.setModified(true);

    for (const QString& bad : {path(QStringLiteral("missing.html")), dir.path()}) {
        prompter.clearMessages();
        EXPECT_FALSE(document.loadDocument(bad));
        EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Cannot open file:") + bad});
        EXPECT_EQ(editor.text(), QStringLiteral("kept"));
        EXPECT_TRUE(editor.isModified());
        EXPECT_EQ(document.fileName(), path(QStringLiteral("a.htm")));
    }
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

TEST_F(DocumentTest, FileSave_RewritesTheFileInItsOwnEncodingAndLineBreaks) {
    const QByteArray original("\xFF\xFEh\0i\0\n\0", 8);
    writeBytes(path(QStringLiteral("u16.txt")), original);
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("u16.txt"))));
    editor.setModified(true);
    document.save();
    EXPECT_EQ(readBytes(path(QStringLiteral("u16.txt"))), original);
    EXPECT_FALSE(editor.isModified());
}

TEST_F(DocumentTest, SaveFailures_ReportTheNameAndKeepTheModifiedFlag) {
    writeBytes(path(QStringLiteral("page.html")), "old");
    ASSERT_TRUE(document.loadDocument(path(QStringLiteral("page.html"))));
    editor.setSelText(QStringLiteral("new "));

    // Root can write anywhere, so the failure comes from a file standing where a folder must.
    const QString blocked = path(QStringLiteral("blocked"));
    writeBytes(blocked, "file, not folder");
    prompter.addFile(blocked + QStringLiteral("/page.html"));
    document.saveAs();
    EXPECT_EQ(prompter.messages().last(),
              QStringLiteral("Cannot save file: ") + blocked + QStringLiteral("/page.html"));
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(document.fileName(), path(QStringLiteral("page.html")));

    // Plain save onto a path that has become a folder: the message has no blank.
    ASSERT_TRUE(QFile::remove(path(QStringLiteral("page.html"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("page.html")));
    document.save();
    EXPECT_EQ(prompter.messages().last(),
              QStringLiteral("Cannot save file:") + path(QStringLiteral("page.html")));
    EXPECT_TRUE(editor.isModified());
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
    // No overwrite question for these.
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
