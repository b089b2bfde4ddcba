#pragma once

#include "foundation/messages/ui_language.h"

#include <QList>
#include <QString>
#include <QStringList>

// The multi-file window's texts; German and English stand together in one table.
enum class FilesText {
    Caption,
    Options,
    SearchFor,
    ReplaceBy,
    TotalMatches,
    CaseSensitive,
    WholeWord,
    SearchOnly,
    FindAll,
    SearchList,
    ResultList,
    ShowFile,
    LoadFiles,
    Close,
    Start,
    New,
    CaseSensitiveHint,
    WholeWordHint,
    SearchOnlyHint,
    FindAllHint,
    ShowFileHint,
    LoadFilesHint,
    CloseHint,
    NewHint,
    RemoveHint,
    BackToSearchHint,
    NoFilesLoaded,
    NoSearchText,
    NoSearchListFile,
    NoResultListFile,
};
QString filesText(FilesText text, UiLanguage language);

// An entry of the search or result list: the name shown and the file it stands for.
struct FilesListEntry {
    QString name;
    QString path;
    bool operator==(const FilesListEntry&) const = default;
};

// The window's lists and counters and what its buttons do to them, without widgets.
class FilesReplaceState {
public:
    QStringList fullPaths; // every loaded file, in the order chosen
    QList<FilesListEntry> searchList;
    QList<FilesListEntry> resultList;
    // The counters as shown; empty while they would mislead.
    QString searchCount;
    QString resultCount;
    QString matchCount; // total matches of the last run
    QString lastFile;   // the file processed last or chosen to be shown

    // "New": no files, no counts.
    void clear();
    // The files chosen in the open dialog replace everything loaded before.
    void loadFiles(const QStringList& chosen);
    void backToSearch();
    // Rows of the search list; nothing happens without a selection.
    void removeEntries(QList<int> selectedRows);

    enum class List { Search, Result };
    // The file "Show file" opens: the selected row's file, else the file named last. Empty
    // when there is none; message() then tells why.
    QString fileToShow(List list, int selectedRow);
    static FilesText noFileMessage(List list);

    // Start: what to show before the run and whether files are searched at all.
    struct StartPlan {
        QList<FilesText> messages;
        bool run = false;
    };
    StartPlan start(const QString& search);
    // A file of the run had at least one match: it moves to the result list. Returns the
    // search-list row it left, or -1.
    int fileMatched(const QString& path);
    void finishRun(int totalMatches);

private:
    void countLists();
};
