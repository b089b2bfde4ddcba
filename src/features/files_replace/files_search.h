#pragma once

#include "features/files_replace/file_in_place.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include <optional>

// What one run over many files looks for and what it does with a match.
struct FilesSearchOptions {
    QString search;  // as entered, not trimmed
    QString replace; // used only when searchOnly is off
    bool caseSensitive = false;
    bool wholeWord = false;
    bool searchOnly = true;
    bool all = false; // every match of a file, not only the first
};

// A search or replacement text holds no line break (the file's lines never hold one inside)
// and no half of a surrogate pair, so every match begins and ends on a whole character.
bool isUsableSearchText(QStringView text);

// The 1-based position of the next find of `search` in `text` at or after `start` (1 when
// start is below 1), or -1. Without case sensitivity only A-Z fold. A whole-word find needs
// neighbours outside "A".."z" and "0".."9"; a rejected find resumes one character after its start.
qsizetype findMatch(QStringView text, QStringView search, bool caseSensitive, bool wholeWord,
                    qsizetype start);

// The 0-based starts of the matches one file's text gives: every match that does not overlap
// the one before it, and without `all` only the first. A replacement never shifts what is found
// after it, so replacing uses the same matches.
QList<qsizetype> filesMatchStarts(QStringView text, const FilesSearchOptions& options);

// One file's bytes searched and, unless search-only, replaced: the same bytes outside the
// matches (encoding, byte-order mark, every line break).
struct BytesReplacement {
    bool decodable = false; // false for UTF-16 of odd length
    int matches = 0;
    // Where the replacement holds the first character the file's encoding cannot store; the
    // file must then stay as it is.
    std::optional<qsizetype> unencodable;
    bool changed = false;
    QByteArray bytes; // when changed
};
BytesReplacement searchReplaceInBytes(const QByteArray& bytes, const FilesSearchOptions& options);

// What became of one file.
struct FileOutcome {
    // Skipped: not a regular file (a FIFO, a device), reported without ending a run.
    enum class Failure { None, Read, Write, Skipped };
    int matches = 0;
    bool rewritten = false;
    bool seenBefore = false; // another name of a file the run has already processed
    Failure failure = Failure::None;
    QString reason; // the system's words for the failure
};

class ReplaceRecord;
// What a run carries from file to file.
struct FilesRunMemory {
    QSet<FileKey> seen;
    ReplaceRecord* record = nullptr; // keeps each file's old bytes before it is rewritten
};

// Searches one file and, unless search-only, replaces its matches. The file is written once,
// in place, only when its bytes change; with `memory`, a file already seen under another name
// is left alone.
FileOutcome searchReplaceInFile(const QString& path, const FilesSearchOptions& options,
                                FilesRunMemory* memory = nullptr);
