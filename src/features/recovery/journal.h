#pragma once

#include "foundation/document/document_file.h"
#include "foundation/document/file_stamp.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// Unsaved text kept on disk so that a crash cannot take it: whose text it is, how its file
// is written back, and what the file looked like when the text was kept.
struct Journal {
    enum class Kind { Document, Scratch };
    Kind kind = Kind::Document;
    // Empty for a document that never had a file.
    QString fileName;
    DocumentFormat format;
    QDateTime written;
    FileStamp disk;
    // The editor's text, lines joined by CR LF, as UTF-8.
    QByteArray text;

    bool operator==(const Journal&) const = default;
};

// One header line and a JSON line, then the text; the text's length is in the header, so a
// cut-off journal is refused rather than offered.
QByteArray journalHeader(const Journal& journal);
QByteArray journalBytes(const Journal& journal);
std::optional<Journal> parseJournal(const QByteArray& bytes);
