#include "foundation/document/document.h"

#include "foundation/document/document_texts.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/document/encoding_question.h"
#include "foundation/document/long_line_question.h"
#include "foundation/markup/doctype.h"
#include "foundation/markup/long_line_breaks.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"
#include "foundation/text/text_rules.h"

#include <QFileInfo>

#include <algorithm>
#include <new>

namespace {

// Message lines used here.
enum : int {
    MsgUntitled = 0,
    MsgSaveChanges = 21,
    MsgCannotOpen = 22,
    MsgBackupFailed = 23,
    MsgCannotSave = 24,
    MsgOverwrite = 25,
    MsgNewHtmlDoc = 198,
};

const UiText OpenFilter{
    "Alle Dateien (*);;HTML-Dateien (*.html *.htm *.HTML *.HTM);;Textdateien (*.txt *.TXT)",
    "All files (*);;HTML files (*.html *.htm *.HTML *.HTM);;Text files (*.txt *.TXT)"};
const UiText SaveFilter{"HTML-Dateien (*.html *.htm);;Alle Dateien (*);;Textdateien (*.txt)",
                        "HTML files (*.html *.htm);;All files (*);;Text files (*.txt)"};

const UiText ChangedOnDiskOverwrite{
    "%1 wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert. Trotzdem "
    "überschreiben?",
    "%1 was changed by another program since it was opened or saved. Overwrite it anyway?"};

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

QString namePartOf(const QString& path) {
    return QFileInfo(path).fileName();
}

class BusyScope {
public:
    explicit BusyScope(const std::function<void(bool)>& busy) : m_busy(busy) {
        if (m_busy)
            m_busy(true);
    }
    ~BusyScope() {
        if (m_busy)
            m_busy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    const std::function<void(bool)>& m_busy;
};

} // namespace

Document::Document(EditorBuffer& editor, Prompter& prompter, const MessageTable& messages)
    : m_editor(editor), m_prompter(prompter), m_messages(messages) {}

QString Document::untitledName() const {
    return m_messages.message(MsgUntitled);
}

void Document::setFileName(const QString& path) {
    m_fileName = path;
    if (fileNameSet)
        fileNameSet(path);
}

void Document::newDocument() {
    // Unlike a bare reset, New never throws away unsaved work without asking.
    askSaveChanges();
    if (m_saveCancelled)
        return;
    const bool htmlPage =
        m_prompter.askYesNo(m_messages.message(MsgNewHtmlDoc)) == Prompter::Answer::Yes;
    const int code = htmlPage ? m_prompter.chooseDocType() : 0;
    // Cancel in the document-type dialog cancels New: the open document stays.
    if (htmlPage && code == 0)
        return;

    m_editor.clearAllBookmarks();
    setFileName(untitledName());
    m_editor.loadText(QStringLiteral(" "));
    m_editor.setModified(false);
    m_editor.setSelStart(0);
    // The last file's encoding and line breaks are not the new page's.
    m_format = DocumentFormat();
    if (highlighterChosen)
        highlighterChosen(HighlighterKind::Html);
    if (!htmlPage)
        return;
    const NewPage page = newPage(code, m_charset, m_messages.language());
    m_editor.loadText(page.text);
    // Written in the charset the page declares.
    m_format.encoding = page.encoding;
    m_editor.setModified(true);
}

bool Document::newWithPage(const QString& page) {
    askSaveChanges();
    if (m_saveCancelled)
        return false;
    m_editor.clearAllBookmarks();
    setFileName(untitledName());
    m_editor.loadText(page);
    m_format = DocumentFormat();
    m_editor.setModified(true);
    m_editor.setSelStart(0);
    if (highlighterChosen)
        highlighterChosen(HighlighterKind::Html);
    return true;
}

void Document::open() {
    askSaveChanges();
    if (m_saveCancelled)
        return;
    const bool hasFile = !m_editor.isBlank() && asciiLower(m_fileName) != QLatin1String("untitled");
    const QString folder =
        hasFile && !m_fileName.isEmpty() ? folderOf(m_fileName) : m_defaultFolder;
    const QString path = m_prompter.chooseOpenFile(folder, OpenFilter.in(m_messages.language()));
    if (!path.isEmpty())
        loadDocument(path);
}

std::optional<Document::EditorText> Document::readForEditor(const QString& path) {
    std::optional<BusyScope> working(std::in_place, busy);
    DocumentFileRead read = readDocumentFile(path, m_sizeLimit);
    if (!read.document) {
        working.reset();
        m_prompter.error(readFailureText(read, path));
        return std::nullopt;
    }
    EditorText ready{std::move(read.document->text), read.document->format, false, {}};
    if (m_longLineLimit > 0 && hasLineLongerThan(ready.text, m_longLineQuestion)) {
        const UiLanguage language = m_messages.language();
        LongLineBreaking breaking = breakLongLines(ready.text, m_longLineLimit);
        if (breaking.linesBroken > 0) {
            working.reset();
            ready.linesBroken =
                askToBreakLongLines(m_prompter, language, breaking, m_longLineLimit);
        }
        if (ready.linesBroken) {
            ready.text = std::move(breaking.text);
            ready.note = longLinesBrokenNote(language, breaking);
        } else {
            ready.note = longLinesKeptNote(language, m_longLineLimit);
        }
    }
    return ready;
}

bool Document::putIntoEditor(const QString& text, const QString& path) {
    try {
        BusyScope working(busy);
        // The editor keeps a copy of its own; running out of memory there ends the load only.
        m_editor.loadText(text);
    } catch (const std::bad_alloc&) {
        m_prompter.error(TooLargeForMemory.in(m_messages.language()) + path);
        return false;
    }
    return true;
}

bool Document::loadDocument(const QString& givenPath) {
    // A name from the command line may be relative; the document always knows its full path.
    const QString path = givenPath.isEmpty() ? givenPath : QFileInfo(givenPath).absoluteFilePath();
    // Read first, so a file that cannot be read leaves the open document untouched.
    std::optional<EditorText> ready = readForEditor(path);
    if (!ready)
        return false;
    m_editor.clearAllBookmarks();
    if (highlighterChosen)
        highlighterChosen(highlighterForPath(path));
    if (!putIntoEditor(ready->text, path))
        return false;
    ready->text.clear();
    m_format = ready->format;
    setFileName(path);
    // Broken lines are a change only a save writes.
    m_editor.setModified(ready->linesBroken);
    stampDisk();
    if (!ready->note.isEmpty() && note)
        note(ready->note);

    if (!m_fileName.isEmpty() && m_fileName != QLatin1String("untitled") &&
        makeBackupOnce(m_fileName) == BackupResult::Failed)
        m_prompter.error(m_messages.message(MsgBackupFailed));
    if (fileOpened)
        fileOpened();
    return true;
}

void Document::openAfterAsking(const QString& path) {
    askSaveChanges();
    if (!m_saveCancelled)
        loadDocument(path);
}

QString Document::readFailureText(const DocumentFileRead& read, const QString& path) const {
    const UiLanguage language = m_messages.language();
    switch (read.failure) {
    case ReadFailure::NotDecodable:
        return NotDecodable.in(language) + path;
    case ReadFailure::TooLarge:
        return TooLargeForMemory.in(language) + path;
    default:
        return m_messages.message(MsgCannotOpen) + path +
               (read.reason.isEmpty() ? QString() : QLatin1Char('\n') + read.reason);
    }
}

void Document::stampDisk() {
    m_diskStamp = FileStamp::of(m_fileName);
    if (diskStampChanged)
        diskStampChanged();
}

bool Document::mayOverwrite(const QString& path) {
    if (path != m_fileName || !m_diskStamp.known)
        return true;
    const FileStamp now = FileStamp::of(path);
    // A folder in its place cannot be overwritten; the write fails and says so.
    if (!now.exists || now == m_diskStamp || !QFileInfo(path).isFile())
        return true;
    const QString question = ChangedOnDiskOverwrite.in(m_messages.language()).arg(namePartOf(path));
    if (m_prompter.askYesNo(question) == Prompter::Answer::Yes)
        return true;
    m_saveCancelled = true;
    return false;
}

bool Document::hasOwnFile() const {
    return !isBlankText(m_fileName) && m_fileName != untitledName() &&
           asciiLower(m_fileName) != QLatin1String("untitled");
}

std::optional<DocumentFormat> Document::writeText(const QString& path, DocumentFormat format,
                                                  const QString& beforePath) {
    const QString text = m_editor.text();
    // An empty document has no line to end: deleting everything leaves an empty file.
    if (text.isEmpty())
        format.finalLineBreak = false;
    const std::optional<DocumentFormat> lossless =
        losslessFormat(text, format, m_prompter, m_messages.language());
    if (!lossless) {
        m_lastSave = SaveResult::Declined;
        return std::nullopt;
    }
    QString reason;
    bool written = false;
    {
        BusyScope working(busy);
        written = writeFileSafely(path, encodeDocument(text, *lossless), &reason);
    }
    if (!written) {
        m_lastSave = SaveResult::Failed;
        m_prompter.error(m_messages.message(MsgCannotSave) + beforePath + path +
                         (reason.isEmpty() ? QString() : QLatin1Char('\n') + reason));
        return std::nullopt;
    }
    m_lastSave = SaveResult::Saved;
    if (path == m_fileName)
        stampDisk();
    if (fileWritten)
        fileWritten();
    return lossless;
}

void Document::save() {
    m_saveCancelled = false;
    m_lastSave = SaveResult::Declined;
    const bool untitled = m_fileName.isEmpty() || m_fileName == untitledName();
    // An empty text with a file of its own is saved: the user deleted what the file holds.
    if (m_editor.isEmpty() && untitled)
        return;
    if (untitled) {
        saveAs();
        return;
    }
    if (!isBlankText(m_saveEncodingKey) &&
        asciiLower(m_saveEncodingKey.trimmed()) != QLatin1String("default")) {
        saveWithEncoding(m_fileName, m_saveEncodingKey);
        return;
    }
    if (!mayOverwrite(m_fileName))
        return;
    if (stampGenerator && !m_editor.isEmpty())
        stampGenerator();
    if (const std::optional<DocumentFormat> written = writeText(m_fileName, m_format, QString())) {
        m_format = *written;
        m_editor.setModified(false);
    }
}

bool Document::saveWithEncoding(const QString& path, const QString& key) {
    if (!mayOverwrite(path))
        return false;
    std::optional<DocumentFormat> written;
    if (key == QLatin1String("UTF-8")) {
        written =
            writeText(path, {TextEncoding::Utf8, true, LineBreakStyle::CrLf, false}, QString());
    } else if (key == QLatin1String("ASCII")) {
        written =
            writeText(path, {TextEncoding::Ansi, false, LineBreakStyle::CrLf, false}, QString());
    } else {
        written = writeText(path, m_format, QString());
        // The document's own format: when it had to become UTF-8, it stays so.
        if (written)
            m_format = *written;
    }
    if (!written)
        return false;
    m_editor.setModified(false);
    return true;
}

void Document::saveAs() {
    m_saveCancelled = false;
    m_lastSave = SaveResult::Declined;
    QString path =
        m_prompter.chooseSaveFile(m_fileName.isEmpty() ? m_defaultFolder : folderOf(m_fileName),
                                  namePartOf(m_fileName), SaveFilter.in(m_messages.language()));
    if (path.isEmpty())
        return;
    // A page named without extension would open as plain text next time.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
    if (!mayReplace(path))
        return;

    if (asciiLower(namePartOf(path).right(3)) == QLatin1String("txt")) {
        // A plain-text copy: the document keeps its own file. Without one the copy is the only
        // place the text is kept, so it no longer counts as unsaved.
        if (writeText(path, {TextEncoding::Ansi, false, LineBreakStyle::CrLf, true},
                      QStringLiteral(" ")) &&
            !hasOwnFile())
            m_editor.setModified(false);
        return;
    }
    if (const std::optional<DocumentFormat> written =
            writeText(path, m_format, QStringLiteral(" "))) {
        m_format = *written;
        setFileName(path);
        stampDisk();
        m_editor.setModified(false);
    }
}

bool Document::mayReplace(const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    if (m_prompter.askOkCancel(m_messages.message(MsgOverwrite) + QLatin1Char(' ') +
                               namePartOf(path)) == Prompter::Answer::Ok)
        return true;
    m_lastSave = SaveResult::Declined;
    return false;
}

void Document::saveAsWithKey(const QString& key) {
    if (m_editor.isBlank())
        return;
    if (asciiLower(m_fileName) != QLatin1String("untitled") && !isBlankText(m_fileName)) {
        m_lastSaveFolder = folderOf(m_fileName);
        m_lastSaveName = namePartOf(m_fileName);
    }
    const QString path =
        m_prompter.chooseSaveFile(m_lastSaveFolder.isEmpty() ? m_defaultFolder : m_lastSaveFolder,
                                  m_lastSaveName, SaveFilter.in(m_messages.language()));
    if (path.isEmpty())
        return;
    m_lastSaveFolder = folderOf(path);
    m_lastSaveName = namePartOf(path);
    if (mayReplace(path))
        saveWithEncoding(path, key);
}

void Document::saveAsAnsi() {
    saveAsWithKey(QStringLiteral("ASCII"));
}

void Document::saveAsUtf8() {
    saveAsWithKey(QStringLiteral("UTF-8"));
}

void Document::askSaveChanges() {
    m_saveCancelled = false;
    // A blank text is worth a question only when it would replace what a file holds.
    if (!m_editor.isModified() || (m_editor.isBlank() && !hasOwnFile()))
        return;
    const QString name =
        isBlankText(m_fileName) ? QStringLiteral("untitled.html") : namePartOf(m_fileName);
    switch (
        m_prompter.askYesNoCancel(m_messages.message(MsgSaveChanges) + QLatin1Char(' ') + name)) {
    case Prompter::Answer::Yes:
        save();
        // A save that failed or whose dialog was cancelled must not let the work be dropped;
        // a failure also says why the command stopped.
        m_saveCancelled = m_editor.isModified();
        if (m_saveCancelled && m_lastSave == SaveResult::Failed)
            m_prompter.information(ChangesNotSaved.in(m_messages.language()));
        break;
    case Prompter::Answer::No:
        m_saveCancelled = false;
        break;
    default:
        m_saveCancelled = true;
        break;
    }
}

bool Document::closeQuery() {
    askSaveChanges();
    return !m_saveCancelled;
}

std::optional<QString> Document::reloadFromDisk() {
    std::optional<EditorText> ready = readForEditor(m_fileName);
    if (!ready)
        return std::nullopt;
    const int caretLine = m_editor.caretLine() - 1;
    const int caretColumn = m_editor.caretColumn() - 1;
    int bookmarks[EditorBuffer::BookmarkCount];
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i)
        bookmarks[i] = m_editor.bookmark(i);

    if (!putIntoEditor(ready->text, m_fileName))
        return std::nullopt;
    m_format = ready->format;
    m_editor.setModified(ready->linesBroken);
    const int lines = m_editor.lineCount();
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i) {
        if (bookmarks[i] >= 0 && bookmarks[i] < lines)
            m_editor.setBookmark(i, bookmarks[i]);
    }
    // The caret's line start, found in one pass over the new text.
    const QString& text = ready->text;
    const int line = std::clamp(caretLine, 0, lines - 1);
    qsizetype start = 0;
    for (int i = 0; i < line; ++i)
        start = text.indexOf(QLatin1String("\r\n"), start) + 2;
    qsizetype end = text.indexOf(QLatin1String("\r\n"), start);
    if (end < 0)
        end = text.size();
    m_editor.setSelStart(int(start + std::clamp<qsizetype>(caretColumn, 0, end - start)));
    stampDisk();
    return ready->note;
}

bool Document::recover(const QString& fileName, const DocumentFormat& format, const QString& text) {
    askSaveChanges();
    if (m_saveCancelled)
        return false;
    m_editor.clearAllBookmarks();
    const QString name = fileName.isEmpty() ? untitledName() : fileName;
    if (highlighterChosen)
        highlighterChosen(fileName.isEmpty() ? HighlighterKind::Html : highlighterForPath(name));
    m_editor.loadText(text);
    m_format = format;
    setFileName(name);
    m_editor.setModified(true);
    m_editor.setSelStart(0);
    // The person chose this text knowing how the file stands now; Save may replace it.
    stampDisk();
    return true;
}
