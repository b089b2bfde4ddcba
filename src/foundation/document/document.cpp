#include "foundation/document/document.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"
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

const UiText OpenFilter{
    "Alle Dateien (*);;HTML-Dateien (*.html *.htm *.HTML *.HTM);;Textdateien (*.txt *.TXT)",
    "All files (*);;HTML files (*.html *.htm *.HTML *.HTM);;Text files (*.txt *.TXT)"};
const UiText SaveFilter{"HTML-Dateien (*.html *.htm);;Alle Dateien (*);;Textdateien (*.txt)",
                        "HTML files (*.html *.htm);;All files (*);;Text files (*.txt)"};

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
    const QString path = m_prompter.chooseOpenFile(folder, OpenFilter.in(m_messages.language()));
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
    QString path =
        m_prompter.chooseSaveFile(m_fileName.isEmpty() ? m_defaultFolder : folderOf(m_fileName),
                                  namePartOf(m_fileName), SaveFilter.in(m_messages.language()));
    if (path.isEmpty())
        return;
    // A page named without extension would open as plain text next time.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
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
                                  m_lastSaveName, SaveFilter.in(m_messages.language()));
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
