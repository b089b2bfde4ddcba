#pragma once

#include "foundation/document/document_file.h"
#include "foundation/document/file_stamp.h"
#include "foundation/document/highlighter_kind.h"

#include <QString>

#include <functional>
#include <optional>

class EditorBuffer;
class MessageTable;
class Prompter;

// The one open document from new to saved: its file name, encoding and line breaks, and
// the file commands that act on it. The window only gathers choices and shows state.
class Document {
public:
    Document(EditorBuffer& editor, Prompter& prompter, const MessageTable& messages);

    // Hooks the window fills in.
    std::function<void(const QString&)> fileNameSet; // status panel, recent files
    std::function<void(HighlighterKind)> highlighterChosen;
    // Filled by the document-type feature: puts the generator element into the head.
    std::function<void()> stampGenerator;
    // Told when reading or writing a file starts (true) and ends (false): large files take a
    // while, and the window shows it.
    std::function<void(bool)> busy;
    // Told after a file was opened, and whenever the file as last read or written changed.
    std::function<void()> fileOpened;
    std::function<void()> diskStampChanged;
    // Told after any save wrote a file.
    std::function<void()> fileWritten;
    // A short note for the status bar about how a file was opened.
    std::function<void(const QString&)> note;

    // Settings the document uses: charset of new documents (the type's page decides how it
    // is written, see newPage) and the plain-save key.
    void setCharset(const QString& charset) { m_charset = charset; }
    void setSaveEncodingKey(const QString& key) { m_saveEncodingKey = key; }
    // Folder where the open dialog starts when no document is open.
    void setDefaultFolder(const QString& folder) { m_defaultFolder = folder; }
    // Files larger than this are refused before they are read.
    void setSizeLimit(qint64 bytes) { m_sizeLimit = bytes; }
    // Opening a file with a line longer than askFrom (UTF-16 code units) offers to break every
    // line longer than breakAt inside tags; 0, the default, never does.
    void setLongLineLimits(qsizetype askFrom, qsizetype breakAt) {
        m_longLineQuestion = askFrom;
        m_longLineLimit = breakAt;
    }

    const QString& fileName() const { return m_fileName; }
    QString untitledName() const;
    const DocumentFormat& format() const { return m_format; }
    bool saveCancelled() const { return m_saveCancelled; }
    // The document's file as it was when last read or written here.
    const FileStamp& diskStamp() const { return m_diskStamp; }

    void newDocument();
    // New with a ready page (the frameset command): asks about unsaved changes first.
    bool newWithPage(const QString& page);
    void open();
    // Loads a file; on failure the open document stays exactly as it was.
    bool loadDocument(const QString& path);
    // A dropped file or a recent file: asks about unsaved changes first.
    void openAfterAsking(const QString& path);
    void save();
    void saveAs();
    void saveAsAnsi();
    void saveAsUtf8();
    bool saveWithEncoding(const QString& path, const QString& key);
    void askSaveChanges();
    // The close query: true when the window may close.
    bool closeQuery();
    // Reads the file again as loadDocument does (size limit, long-line question), keeping the
    // caret's line and column and the bookmarks where the new text still has them. Gives the
    // note on how it was read (empty when there is none to tell); nullopt, after saying why,
    // and nothing changed when it cannot be read.
    std::optional<QString> reloadFromDisk();
    // Unsaved text kept from an earlier run, as a modified document under its file name (an
    // empty name gives an untitled one); asks about unsaved changes first.
    bool recover(const QString& fileName, const DocumentFormat& format, const QString& text);

private:
    enum class SaveResult { Saved, Declined, Failed };

    void setFileName(const QString& path);
    // A file of its own to save to, not the untitled name.
    bool hasOwnFile() const;
    QString readFailureText(const DocumentFileRead& read, const QString& path) const;
    // A file's text as the editor gets it: read within the size limit, long lines broken when
    // the user agrees (the note tells how). nullopt after saying why it cannot be read.
    struct EditorText {
        QString text;
        DocumentFormat format;
        bool linesBroken = false;
        QString note;
    };
    std::optional<EditorText> readForEditor(const QString& path);
    // False, after saying so, when memory runs out; the editor keeps its text then.
    bool putIntoEditor(const QString& text, const QString& path);
    // Writes the editor's text, first asking when the format would lose characters; reports a
    // failure with the system's reason (beforePath goes between message and path). Returns the
    // format written, nullopt when declined or failed.
    std::optional<DocumentFormat> writeText(const QString& path, DocumentFormat format,
                                            const QString& beforePath);
    // An existing file is replaced only after the user agreed.
    bool mayReplace(const QString& path);
    void saveAsWithKey(const QString& key);
    void stampDisk();
    // Asks before replacing the document's file when another program changed it.
    bool mayOverwrite(const QString& path);

    EditorBuffer& m_editor;
    Prompter& m_prompter;
    const MessageTable& m_messages;
    QString m_fileName;
    DocumentFormat m_format;
    FileStamp m_diskStamp;
    bool m_saveCancelled = false;
    SaveResult m_lastSave = SaveResult::Declined;
    qint64 m_sizeLimit = documentSizeLimit();
    qsizetype m_longLineQuestion = 0;
    qsizetype m_longLineLimit = 0;
    QString m_charset = QStringLiteral("UTF-8");
    QString m_saveEncodingKey;
    QString m_defaultFolder;
    QString m_lastSaveFolder;
    QString m_lastSaveName;
};
