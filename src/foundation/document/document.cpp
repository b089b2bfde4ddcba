#include "foundation/document/document.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_rules.h"

#include <QFileInfo>

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
    working.reset();

    if (!m_fileName.isEmpty() && m_fileName != QLatin1String("untitled") &&
        makeBackupOnce(m_fileName) == BackupResult::Failed)
        m_prompter.error(m_messages.message(MsgBackupFailed));
    return true;
}

void Document::openAfterAsking(const QString& path) {
    askSaveChanges();
    if (!m_saveCancelled)
        loadDocument(path);
}

bool Document::writeBytes(const QString& path, const QByteArray& bytes) {
    BusyScope working(busy);
    return writeFileSafely(path, bytes);
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
    if (stampGenerator)
        stampGenerator();
    if (!writePlain(m_fileName)) {
        m_prompter.error(m_messages.message(MsgCannotSave) + m_fileName);
        return;
    }
    m_editor.setModified(false);
}

bool Document::saveWithEncoding(const QString& path, const QString& key) {
    if (m_editor.isBlank())
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
