#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text encodings a document is read and written in. Ansi is Windows-1252 here.
enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };

enum class LineBreakStyle { CrLf, Lf, Cr };

// How a document's file is written back by the plain save paths.
struct DocumentFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    bool byteOrderMark = false;
    LineBreakStyle lineBreaks = LineBreakStyle::CrLf;
    bool finalLineBreak = true;
    bool operator==(const DocumentFormat&) const = default;
};

struct LoadedDocument {
    QString text; // lines joined by CR LF, no line break after the last line
    DocumentFormat format;
};

// Bytes to text: byte-order mark first (EF BB BF, FF FE, FE FF), else UTF-8 when the bytes
// are valid UTF-8, else Windows-1252. nullopt when the bytes cannot be read without loss
// (UTF-16 of odd length).
std::optional<LoadedDocument> decodeDocument(const QByteArray& bytes);
// Text (any line breaks; CR LF expected) to bytes in the given format.
QByteArray encodeDocument(const QString& text, const DocumentFormat& format);

// Why a file did not become a document.
enum class ReadFailure { None, CannotRead, NotDecodable, TooLarge };

struct DocumentFileRead {
    std::optional<LoadedDocument> document;
    ReadFailure failure = ReadFailure::None;
    QString reason; // the system's words for CannotRead
};

// The largest file read whole: bigger ones would not fit beside their decoded text and the
// editor's copy, and the system would end the program instead of refusing the file.
qint64 documentSizeLimit();
// Reads and decodes a file; a folder, a missing or unreadable file, bytes that cannot be
// decoded and a file over sizeLimit (or one memory runs out for) each say so.
DocumentFileRead readDocumentFile(const QString& path, qint64 sizeLimit = documentSizeLimit());
// nullopt when the path is a folder, missing, unreadable, undecodable or too large.
std::optional<LoadedDocument> loadDocumentFile(const QString& path);
// Writes through a temporary file so a failure leaves the old file untouched, then syncs the
// file and its folder so the new name survives a crash. On failure reason (when given) gets
// the system's words.
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// WriteEncodedText's kinds: the whole text with lines joined by CR LF, no final line break.
QByteArray encodeTextAs(const QString& text, TextEncoding encoding, bool byteOrderMark);
// SaveTextCopy: every line followed by CR LF, Windows-1252, no mark.
QByteArray textCopyBytes(const QString& text);

// Windows-1252, every byte to one character and back; unrepresentable characters become '?'.
QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
// Where the first character the encoding cannot hold starts (a surrogate pair counts as one
// character; only UTF-16 holds a lone surrogate); nullopt when the text is stored unchanged.
std::optional<qsizetype> firstUnencodableCharacter(QStringView text, TextEncoding encoding);

// page.html -> page.BAK
QString backupPathFor(const QString& path);
enum class BackupResult { AlreadyExists, Created, Failed };
// Copies the file to its backup name unless that exists; never overwrites.
BackupResult makeBackupOnce(const QString& path);
