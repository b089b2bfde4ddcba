#include "foundation/document/document.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"
#include "foundation/text/text_rules.h"

#include <QFileInfo>

#include <algorithm>

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

const QString openFilter = QStringLiteral(
    "All (*);;HTML (*.HTML *.HTM *.html *.htm);;TXT (*.TXT *.txt);;RTF (*.RTF *.rtf)");
const QString saveFilter =
    QStringLiteral("All (*);;HTML Files (*.HTM *HTML *.htm *html);;Ascii Text (*.TXT *.txt)");

const UiText ChangedOnDiskOverwrite{
    "%1 wurde seit dem Öffnen oder Speichern von einem anderen Programm geändert. Trotzdem "
    "überschreiben?",
    "%1 was changed by another program since it was opened or saved. Overwrite it anyway?"};

const QString xhtmlNamespace = QStringLiteral("http://www.w3.org/1999/xhtml");

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

QString Document::skeleton(const QString& declaration, bool xhtml, const QString& charset) {
    const QString root =
        xhtml ? QStringLiteral("<html xmlns=\"") + xhtmlNamespace + QStringLiteral("\">")
              : QStringLiteral("<html>");
    const QStringList lines{
        root,
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; charset=") +
            charset + QStringLiteral("\">"),
        QStringLiteral("<meta name=\"generator\" content=\"Hexlume\">"),
        QStringLiteral("<title>Untitled</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body background=\"background.jpg\" bgcolor=\"#FFFFFF\" "
                       "text=\"#000000\" link=\"#FF9966\" vlink=\"#FF9900\" alink=\"#800080\">"),
        QString(),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    QString page = lines.join(QStringLiteral("\r\n"));
    if (!isBlankText(declaration))
        page.prepend(declaration + QStringLiteral("\r\n"));
    return page;
}

void Document::newDocument() {
    // Unlike a bare reset, New never throws away unsaved work without asking.
    askSaveChanges();
    if (m_saveCancelled)
        return;
    m_editor.clearAllBookmarks();
    setFileName(untitledName());
    m_editor.loadText(QStringLiteral(" "));
    m_editor.setModified(false);
    m_editor.setSelStart(0);
    if (highlighterChosen)
        highlighterChosen(HighlighterKind::Html);

    if (m_prompter.askYesNo(m_messages.message(MsgNewHtmlDoc)) != Prompter::Answer::Yes)
        return;
    std::optional<DocType> type = chooseDocType ? chooseDocType() : std::nullopt;
    const QString charset = m_charset.isEmpty() ? QStringLiteral("ISO-8859-1") : m_charset;
    m_editor.loadText(skeleton(type ? type->declaration : QString(), type && type->xhtml, charset));
    m_editor.setModified(true);
}

bool Document::newWithPage(const QString& page) {
    askSaveChanges();
    if (m_saveCancelled)
        return false;
    m_editor.clearAllBookmarks();
    setFileName(untitledName());
    m_editor.loadText(page);
    m_editor.setModified(true);
    m_editor.setSelStart(0);
    if (highlighterChosen)
        highlighterChosen(HighlighterKind::Html);
    return true;
}

void Document::open() {
    if (!m_editor.isEmpty() && m_editor.isModified()) {
        askSaveChanges();
        if (m_saveCancelled)
            return;
    }
    const bool hasFile = !m_editor.isBlank() && asciiLower(m_fileName) != QLatin1String("untitled");
    const QString folder =
        hasFile && !m_fileName.isEmpty() ? folderOf(m_fileName) : m_defaultFolder;
    const QString path = m_prompter.chooseOpenFile(folder, openFilter);
    if (!path.isEmpty())
        loadDocument(path);
}

bool Document::loadDocument(const QString& givenPath) {
    // A name from the command line may be relative; the document always knows its full path.
    const QString path = givenPath.isEmpty() ? givenPath : QFileInfo(givenPath).absoluteFilePath();
    std::optional<BusyScope> working(std::in_place, busy);
    // Decode first, so a file that cannot be read leaves the open document untouched.
    std::optional<LoadedDocument> loaded = loadDocumentFile(path);
    if (!loaded) {
        working.reset();
        m_prompter.error(m_messages.message(MsgCannotOpen) + path);
        return false;
    }
    m_editor.clearAllBookmarks();
    if (highlighterChosen)
        highlighterChosen(highlighterForPath(path));
    m_editor.loadText(loaded->text);
    m_format = loaded->format;
    setFileName(path);
    m_editor.setModified(false);
    stampDisk();
    working.reset();

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

bool Document::writeBytes(const QString& path, const QByteArray& bytes) {
    BusyScope working(busy);
    const bool written = writeFileSafely(path, bytes);
    if (written && path == m_fileName)
        stampDisk();
    if (written && fileWritten)
        fileWritten();
    return written;
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

bool Document::writePlain(const QString& path) {
    return writeBytes(path, encodeDocument(m_editor.text(), m_format));
}

void Document::save() {
    m_saveCancelled = false;
    if (m_editor.isEmpty())
        return;
    if (m_fileName.isEmpty() || m_fileName == untitledName()) {
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
    if (stampGenerator)
        stampGenerator();
    if (!writePlain(m_fileName)) {
        m_prompter.error(m_messages.message(MsgCannotSave) + m_fileName);
        return;
    }
    m_editor.setModified(false);
}

bool Document::saveWithEncoding(const QString& path, const QString& key) {
    if (m_editor.isBlank() || !mayOverwrite(path))
        return false;
    const QString text = m_editor.text();
    bool written = false;
    if (key == QLatin1String("UTF-8"))
        written = writeBytes(path, encodeTextAs(text, TextEncoding::Utf8, true));
    else if (key == QLatin1String("ASCII"))
        written = writeBytes(path, encodeTextAs(text, TextEncoding::Ansi, false));
    else
        written = writeBytes(path, encodeDocument(text, m_format));
    if (!written) {
        m_prompter.error(m_messages.message(MsgCannotSave) + path);
        return false;
    }
    m_editor.setModified(false);
    return true;
}

void Document::saveAs() {
    m_saveCancelled = false;
    const QString path =
        m_prompter.chooseSaveFile(m_fileName.isEmpty() ? m_defaultFolder : folderOf(m_fileName),
                                  namePartOf(m_fileName), saveFilter);
    if (path.isEmpty())
        return;
    const QString name = namePartOf(path);
    if (QFileInfo::exists(path) &&
        m_prompter.askOkCancel(m_messages.message(MsgOverwrite) + QLatin1Char(' ') + name) !=
            Prompter::Answer::Ok)
        return;

    bool written = false;
    if (asciiLower(name.right(3)) == QLatin1String("txt")) {
        written = writeBytes(path, textCopyBytes(m_editor.text()));
    } else {
        written = writePlain(path);
        if (written) {
            setFileName(path);
            m_editor.setModified(false);
            stampDisk();
        }
    }
    if (!written)
        m_prompter.error(m_messages.message(MsgCannotSave) + QLatin1Char(' ') + path);
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
                                  m_lastSaveName, saveFilter);
    if (path.isEmpty())
        return;
    m_lastSaveFolder = folderOf(path);
    m_lastSaveName = namePartOf(path);
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
    if (m_editor.isBlank() || !m_editor.isModified())
        return;
    const QString name =
        isBlankText(m_fileName) ? QStringLiteral("untitled.html") : namePartOf(m_fileName);
    switch (
        m_prompter.askYesNoCancel(m_messages.message(MsgSaveChanges) + QLatin1Char(' ') + name)) {
    case Prompter::Answer::Yes:
        save();
        // A save that failed or whose dialog was cancelled must not let the work be dropped.
        m_saveCancelled = m_editor.isModified();
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
    if (m_editor.isBlank())
        return true;
    askSaveChanges();
    return !m_saveCancelled;
}

bool Document::reloadFromDisk() {
    std::optional<LoadedDocument> loaded;
    {
        BusyScope working(busy);
        loaded = loadDocumentFile(m_fileName);
    }
    if (!loaded)
        return false;
    const int caretLine = m_editor.caretLine() - 1;
    const int caretColumn = m_editor.caretColumn() - 1;
    int bookmarks[EditorBuffer::BookmarkCount];
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i)
        bookmarks[i] = m_editor.bookmark(i);

    m_editor.loadText(loaded->text);
    m_format = loaded->format;
    m_editor.setModified(false);
    const int lines = m_editor.lineCount();
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i) {
        if (bookmarks[i] >= 0 && bookmarks[i] < lines)
            m_editor.setBookmark(i, bookmarks[i]);
    }
    // The caret's line start, found in one pass over the new text.
    const QString& text = loaded->text;
    const int line = std::clamp(caretLine, 0, lines - 1);
    qsizetype start = 0;
    for (int i = 0; i < line; ++i)
        start = text.indexOf(QLatin1String("\r\n"), start) + 2;
    qsizetype end = text.indexOf(QLatin1String("\r\n"), start);
    if (end < 0)
        end = text.size();
    m_editor.setSelStart(int(start + std::clamp<qsizetype>(caretColumn, 0, end - start)));
    stampDisk();
    return true;
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
