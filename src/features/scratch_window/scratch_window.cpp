#include "features/scratch_window/scratch_window.h"

#include "foundation/messages/ui_text.h"
#include "widgets/help.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHideEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ScratchButton {
    const char* name;
    const char* icon;
    const char* germanHint;
    const char* englishHint;
};

// In toolbar order.
constexpr ScratchButton kButtons[] = {
    {"newButton", "document-new", "Neu", "New"},
    {"openButton", "document-open", "Datei öffnen", "Open file"},
    {"saveButton", "document-save", "Speichern", "Save"},
    {"selectAllButton", "edit-select-all", "Alles auswählen", "Select all"},
    {"copyButton", "edit-copy", "Kopieren", "Copy"},
    {"pasteButton", "edit-paste", "Einfügen", "Paste"},
    {"cutButton", "edit-cut", "Ausschneiden", "Cut"},
    {"undoButton", "edit-undo", "Rückgängig", "Undo"},
    {"deleteButton", "edit-delete", "Löschen", "Delete"},
    {"copyAllButton", "hx-copy-all", "Gesamten Text kopieren", "Copy entire text"},
    {"wordWrapButton", "hx-word-wrap", "Zeilenumbruch ein/aus", "Word wrap on/off"},
    {"closeButton", "window-close", "Schließen", "Close"},
};

struct ScratchErrors {
    const char* open;
    const char* save;
    const char* undecodable;
};
constexpr ScratchErrors kGermanErrors{"Die Datei %1 konnte nicht geöffnet werden.\n%2",
                                      "Die Datei %1 konnte nicht gespeichert werden.\n%2",
                                      "Der Inhalt ist kein gültiger UTF-16-Text."};
constexpr ScratchErrors kEnglishErrors{"The file %1 could not be opened.\n%2",
                                       "The file %1 could not be saved.\n%2",
                                       "The content is not valid UTF-16 text."};

// %1 the file name.
const UiText ReplaceQuestion{"Die Datei %1 gibt es schon. Ersetzen?",
                             "The file %1 already exists. Replace it?"};

// The text control works with "\n" between lines; files and the clipboard may use CR LF or CR.
QString withNewlines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

QByteArray scratchFileBytes(const QString& text, TextEncoding encoding, bool byteOrderMark) {
    QString lines = text;
    lines.replace(u'\n', QLatin1String("\r\n"));
    if (!lines.isEmpty() && !lines.endsWith(u'\n'))
        lines += QLatin1String("\r\n");
    if (encoding == TextEncoding::Ansi && decodeWindows1252(encodeWindows1252(lines)) != lines) {
        encoding = TextEncoding::Utf8;
        byteOrderMark = false;
    }
    return encodeTextAs(lines, encoding, byteOrderMark);
}

ScratchWindow::ScratchWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("scratchWindow"));
    setWindowFlag(Qt::Window);

    m_textEdit = new QPlainTextEdit(this);
    m_textEdit->setObjectName(QStringLiteral("textEdit"));
    m_textEdit->setFont(QFont(QStringLiteral("Arial"), 9));
    setCentralWidget(m_textEdit);

    auto* bar = addToolBar(QStringLiteral("Simple text"));
    bar->setObjectName(QStringLiteral("toolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    const auto toText = [this](void (QPlainTextEdit::*slot)()) {
        return [this, slot] { (m_textEdit->*slot)(); };
    };
    // The buttons carry the names; their actions stay unnamed, so a look-up of the main
    // window's own actions by name, several of which are named alike, never finds one of these.
    for (const ScratchButton& b : kButtons) {
        QAction* action = bar->addAction(themedIcon(QLatin1String(b.icon)), QString());
        bar->widgetForAction(action)->setObjectName(QLatin1String(b.name));
        bar->widgetForAction(action)->setFocusPolicy(Qt::NoFocus);
    }
    const auto on = [this](const char* name, auto&& work) {
        QToolButton* button = findChild<QToolButton*>(QLatin1String(name));
        connect(button->defaultAction(), &QAction::triggered, this, work);
    };
    on("newButton", [this] { newText(); });
    on("openButton", [this] { openFile(); });
    on("saveButton", [this] { saveFile(); });
    on("selectAllButton", toText(&QPlainTextEdit::selectAll));
    on("copyButton", toText(&QPlainTextEdit::copy));
    on("pasteButton", toText(&QPlainTextEdit::paste));
    on("cutButton", toText(&QPlainTextEdit::cut));
    on("undoButton", toText(&QPlainTextEdit::undo));
    on("deleteButton", [this] { deleteSelection(); });
    on("copyAllButton", [this] { copyAllText(); });
    on("wordWrapButton", [this] { toggleWordWrap(); });
    on("closeButton", [this] { close(); });
    findChild<QToolButton*>(QStringLiteral("closeButton"))
        ->defaultAction()
        ->setShortcut(QKeySequence(Qt::Key_Escape));

    chooseOpenFile = [this](const QString& folder) {
        return QFileDialog::getOpenFileName(this, QString(), folder);
    };
    chooseSaveFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(this, QString(), proposed, QString(), nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    showError = [this](const QString& text) {
        QMessageBox::critical(this, QApplication::applicationName(), text);
    };
    confirmReplace = [this](const QString& path) {
        return QMessageBox::question(this, QApplication::applicationName(),
                                     ReplaceQuestion.in(m_language).arg(QFileInfo(path).fileName()),
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };

    applyHints();
    installHelpKey(this, 70, [this] { return m_language; });
    resize(640, 420);
}

void ScratchWindow::showModeless() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    startFromClipboard();
    show();
}

void ScratchWindow::exec() {
    // A window cannot turn modal while it is up: it opens afresh with the new clipboard text.
    if (isVisible())
        hide();
    setWindowModality(Qt::ApplicationModal);
    startFromClipboard();
    QEventLoop loop;
    connect(this, &ScratchWindow::hidden, &loop, &QEventLoop::quit);
    show();
    loop.exec();
    setWindowModality(Qt::NonModal);
}

void ScratchWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Minimising hides spontaneously and must not end a modal showing.
    if (!event->spontaneous())
        emit hidden();
}

void ScratchWindow::startFromClipboard() {
    applyHints();
    m_textEdit->clear();
    m_currentFile.clear();
    m_encoding = TextEncoding::Ansi;
    m_byteOrderMark = false;
    m_textEdit->insertPlainText(withNewlines(QApplication::clipboard()->text()));
    // The clipboard still holds what was pasted: only the user's own changes are worth asking.
    m_textEdit->document()->setModified(false);
    // Every showing opens without word wrap, whatever the last one left.
    setWordWrap(false);
    // The text is seen from its start, not scrolled to the end of its last line.
    m_textEdit->moveCursor(QTextCursor::Start);
    m_textEdit->setFocus();
}

void ScratchWindow::applyHints() {
    const QString title = QString::fromUtf8(
        m_language == UiLanguage::English ? "Simple text editor" : "Einfacher Texteditor");
    setWindowTitle(title);
    findChild<QToolBar*>(QStringLiteral("toolBar"))->setWindowTitle(title);
    for (const ScratchButton& b : kButtons) {
        const QString hint =
            QString::fromUtf8(m_language == UiLanguage::English ? b.englishHint : b.germanHint);
        QAction* action = findChild<QToolButton*>(QLatin1String(b.name))->defaultAction();
        action->setText(hint);
        action->setToolTip(hint);
    }
}

void ScratchWindow::setWordWrap(bool on) {
    m_wordWrap = on;
    m_textEdit->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textEdit->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void ScratchWindow::newText() {
    m_textEdit->clear();
}

void ScratchWindow::openFile() {
    const QString folder =
        m_currentFile.isEmpty() ? QDir::homePath() : QFileInfo(m_currentFile).absolutePath();
    const QString path = chooseOpenFile(folder);
    if (!path.isEmpty())
        loadFromFile(path);
}

bool ScratchWindow::isTextChanged() const {
    return m_textEdit->document()->isModified();
}

bool ScratchWindow::saveFile() {
    const QString path = chooseSaveFile(m_currentFile);
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    if ((target.exists() || target.isSymLink()) && !confirmReplace(path))
        return false;
    return saveToFile(path);
}

void ScratchWindow::deleteSelection() {
    QTextCursor cursor = m_textEdit->textCursor();
    cursor.removeSelectedText();
    m_textEdit->setTextCursor(cursor);
}

void ScratchWindow::copyAllText() {
    m_textEdit->selectAll();
    m_textEdit->copy();
}

void ScratchWindow::toggleWordWrap() {
    setWordWrap(!m_wordWrap);
}

bool ScratchWindow::loadFromFile(const QString& path) {
    const ScratchErrors& errors =
        m_language == UiLanguage::English ? kEnglishErrors : kGermanErrors;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        showError(QString::fromUtf8(errors.open).arg(path, file.errorString()));
        return false;
    }
    const std::optional<LoadedDocument> loaded = decodeDocument(bytes);
    if (!loaded) {
        showError(QString::fromUtf8(errors.open).arg(path, QString::fromUtf8(errors.undecodable)));
        return false;
    }
    m_textEdit->setPlainText(withNewlines(loaded->text));
    m_textEdit->document()->setModified(false);
    m_currentFile = path;
    m_encoding = loaded->format.encoding;
    m_byteOrderMark = loaded->format.byteOrderMark;
    return true;
}

bool ScratchWindow::saveToFile(const QString& path) {
    const ScratchErrors& errors =
        m_language == UiLanguage::English ? kEnglishErrors : kGermanErrors;
    // The raw text keeps non-breaking spaces; lines are separated by the paragraph mark there.
    QString text = m_textEdit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    // Written like the document, so a failure leaves the old file as it was.
    QString reason;
    if (!writeFileSafely(path, scratchFileBytes(text, m_encoding, m_byteOrderMark), &reason)) {
        showError(QString::fromUtf8(errors.save).arg(path, reason));
        return false;
    }
    m_textEdit->document()->setModified(false);
    m_currentFile = path;
    return true;
}
