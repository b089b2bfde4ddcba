#include "features/files_replace/files_main_document.h"
#include "features/files_replace/files_replace_state.h"
#include "foundation/document/document.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include "file_bytes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList names(const QList<FilesListEntry>& entries) {
    QStringList out;
    for (const FilesListEntry& e : entries)
        out << e.name;
    return out;
}

} // namespace

TEST(FilesReplaceStateTest, SameNamesInTwoFoldersKeepTheirOwnFiles) {
    FilesReplaceState state;
    state.loadFiles({"/one/a.html", "/two/a.html", "/x/data.html"});
    EXPECT_EQ(names(state.searchList), (QStringList{"a.html", "a.html", "data.html"}));
    EXPECT_EQ(state.searchCount, "3");

    // The second a.html matched: its own entry leaves the search list, not the first one.
    EXPECT_EQ(state.fileMatched("/two/a.html"), 1);
    EXPECT_EQ(state.searchList[0].path, "/one/a.html");
    EXPECT_EQ(state.fileToShow(FilesReplaceState::List::Result, 0), "/two/a.html");
    EXPECT_EQ(state.fileToShow(FilesReplaceState::List::Search, 0), "/one/a.html");

    // "a.html" is part of "data.html"; removing the one must not take the other.
    state.removeEntries({0});
    EXPECT_EQ(state.fullPaths, (QStringList{"/two/a.html", "/x/data.html"}));
    EXPECT_EQ(names(state.searchList), QStringList{"data.html"});
    EXPECT_EQ(state.searchCount, "1");
    state.removeEntries({});
    EXPECT_EQ(state.searchList.size(), 1);
}

TEST(FilesReplaceStateTest, ShowFileFallsBackToTheFileNamedLast) {
    FilesReplaceState state;
    EXPECT_EQ(state.fileToShow(FilesReplaceState::List::Search, -1), QString());
    EXPECT_EQ(FilesReplaceState::noFileMessage(FilesReplaceState::List::Result),
              FilesText::NoResultListFile);
    EXPECT_EQ(filesText(FilesText::NoResultListFile, UiLanguage::English),
              "Please select a file an the result list.");
    state.lastFile = "/last/processed.html";
    EXPECT_EQ(state.fileToShow(FilesReplaceState::List::Result, -1), "/last/processed.html");
}

TEST(FilesReplaceStateTest, StartChecksFilesAndSearchTextInTheWindowsOrder) {
    FilesReplaceState state;
    auto plan = state.start(" \t");
    EXPECT_EQ(plan.messages, (QList<FilesText>{FilesText::NoFilesLoaded, FilesText::NoSearchText}));
    EXPECT_FALSE(plan.run);
    EXPECT_FALSE(state.start("x").run);

    state.loadFiles({"/a.html", "/b.html"});
    state.fileMatched("/a.html");
    state.finishRun(4);
    EXPECT_EQ(state.matchCount, "4");
    EXPECT_EQ(state.resultCount, "1");
    plan = state.start("x");
    EXPECT_TRUE(plan.run);
    EXPECT_TRUE(plan.messages.isEmpty());
    EXPECT_TRUE(state.resultList.isEmpty());
    EXPECT_TRUE(state.matchCount.isEmpty());
    // Every loaded file is searched again, also the one that left the search list.
    EXPECT_EQ(state.fullPaths.size(), 2);

    // Once every file has matched, the search list is empty and Start only asks for files.
    state.fileMatched("/b.html");
    EXPECT_FALSE(state.start("x").run);
}

class FilesMainDocumentTest : public ::testing::Test {
protected:
    FilesMainDocumentTest()
        : document(editor, prompter, messages), mainDocument(document, editor) {}
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString open(const QString& name, const QByteArray& bytes) {
        const QString p = path(name);
        EXPECT_TRUE(writeFileBytes(p, bytes));
        EXPECT_TRUE(document.loadDocument(p));
        prompter.clearMessages();
        return p;
    }

    QTemporaryDir dir;
    MessageTable messages;
    MemoryBuffer editor;
    ScriptedPrompter prompter;
    Document document;
    FilesMainDocument mainDocument;
};

// Show file asks before it saves changed work, and keeps it on Cancel or a save that fails.
TEST_F(FilesMainDocumentTest, ShowFileAsksAndKeepsUnsavedWorkUnlessToldOtherwise) {
    const QString shown = path("shown.html");
    ASSERT_TRUE(writeFileBytes(shown, "shown"));
    document.newWithPage("<p>draft</p>");
    prompter.addAnswer("yes");
    EXPECT_FALSE(mainDocument.showFile(shown)); // Save As offered, no file chosen
    EXPECT_EQ(editor.text(), "<p>draft</p>");

    const QString page = open("page.html", "old");
    editor.loadText("edited");
    editor.setModified(true);
    prompter.addAnswer("cancel");
    EXPECT_FALSE(mainDocument.showFile(shown));
    EXPECT_EQ(prompter.messages(), QStringList{"Save changes to: page.html"});
    EXPECT_EQ(readFileBytes(page), QByteArray("old"));
    EXPECT_EQ(editor.text(), "edited");

    prompter.addAnswer("yes");
    EXPECT_TRUE(mainDocument.showFile(shown));
    EXPECT_EQ(readFileBytes(page), QByteArray("edited"));
    EXPECT_EQ(editor.text(), "shown");
    EXPECT_EQ(document.fileName(), shown);
}
