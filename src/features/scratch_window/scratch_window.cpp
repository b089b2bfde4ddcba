#include "features/scratch_window/scratch_window.h"

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
#include <QSaveFile>
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
    {"ToolButton1", "document-new", "Neu", "New"},
    {"ToolButton2", "document-open", "Datei öffen", "Open file"},
    {"ToolButton3", "document-save", "Speichern", "Save"},
    {"ToolButton14", "edit-select-all", "Alles auswählen", "Select all"},
    {"ToolButton6", "edit-copy", "Kopieren", "Copy"},
    {"ToolButton5", "edit-paste", "Einfügen", "Paste"},
    {"ToolButton7", "edit-cut", "Ausschneiden", "Cut"},
    {"ToolButton4", "edit-undo", "Rückgängig", "Undo"},
    {"ToolButton10", "edit-delete", "Löschen", "Delete"},
    {"ToolButton12", "hx-copy-all", "Gesamten Text kopieren", "Copy entire text"},
    {"ToolButton13", "hx-word-wrap", "Zeilenbegrenzung an/aus", "WordWrap on/off"},
    {"ToolButton11", "window-close", "Schliessen", "Exit"},
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

TFormText::TFormText(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("FormText"));
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Simple text"));

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo"));
    m_memo->setFont(QFont(QStringLiteral("Arial"), 9));
    setCentralWidget(m_memo);

    auto* bar = addToolBar(QStringLiteral("Simple text"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    const auto memo = [this](void (QPlainTextEdit::*slot)()) {
        return [this, slot] { (m_memo->*slot)(); };
    };
    // The buttons carry the window's own names; their actions stay unnamed, so the main
    // window's language switch, which finds actions by name, never rewrites these hints.
    for (const ScratchButton& b : kButtons) {
        QAction* action = bar->addAction(themedIcon(QLatin1String(b.icon)), QString());
        bar->widgetForAction(action)->setObjectName(QLatin1String(b.name));
        bar->widgetForAction(action)->setFocusPolicy(Qt::NoFocus);
    }
    const auto on = [this](const char* name, auto&& work) {
        QToolButton* button = findChild<QToolButton*>(QLatin1String(name));
        connect(button->defaultAction(), &QAction::triggered, this, work);
    };
    on("ToolButton1", [this] { ToolButton1Click(); });
    on("ToolButton2", [this] { ToolButton2Click(); });
    on("ToolButton3", [this] { ToolButton3Click(); });
    on("ToolButton14", memo(&QPlainTextEdit::selectAll));
    on("ToolButton6", memo(&QPlainTextEdit::copy));
    on("ToolButton5", memo(&QPlainTextEdit::paste));
    on("ToolButton7", memo(&QPlainTextEdit::cut));
    on("ToolButton4", memo(&QPlainTextEdit::undo));
    on("ToolButton10", [this] { ToolButton10Click(); });
    on("ToolButton12", [this] { ToolButton12Click(); });
    on("ToolButton13", [this] { ToolButton13Click(); });
    on("ToolButton11", [this] { close(); });

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

    applyHints();
    installHelpKey(this, 70, [this] { return AppLanguage; });
    resize(640, 420);
}

void TFormText::showModeless() {
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    FormShow();
    show();
}

void TFormText::showModal() {
    // A window cannot turn modal while it is up: it opens afresh with the new clipboard text.
    if (isVisible())
        hide();
    setWindowModality(Qt::ApplicationModal);
    FormShow();
    QEventLoop loop;
    connect(this, &TFormText::hidden, &loop, &QEventLoop::quit);
    show();
    loop.exec();
    setWindowModality(Qt::NonModal);
}

void TFormText::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // Minimising hides spontaneously and must not end a modal showing.
    if (!event->spontaneous())
        emit hidden();
}

void TFormText::FormShow() {
    applyHints();
    m_memo->clear();
    m_currentFile.clear();
    m_encoding = TextEncoding::Ansi;
    m_byteOrderMark = false;
    m_memo->insertPlainText(withNewlines(QApplication::clipboard()->text()));
    // Every showing opens without word wrap, whatever the last one left.
    setWordWrap(false);
    // The text is seen from its start, not scrolled to the end of its last line.
    m_memo->moveCursor(QTextCursor::Start);
    m_memo->setFocus();
}

void TFormText::applyHints() {
    for (const ScratchButton& b : kButtons) {
        const QString hint =
            QString::fromUtf8(AppLanguage == UiLanguage::English ? b.englishHint : b.germanHint);
        QAction* action = findChild<QToolButton*>(QLatin1String(b.name))->defaultAction();
        action->setText(hint);
        action->setToolTip(hint);
    }
}

void TFormText::setWordWrap(bool on) {
    m_wordWrap = on;
    m_memo->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void TFormText::ToolButton1Click() {
    m_memo->clear();
}

void TFormText::ToolButton2Click() {
    const QString folder =
        m_currentFile.isEmpty() ? QDir::homePath() : QFileInfo(m_currentFile).absolutePath();
    const QString path = chooseOpenFile(folder);
    if (!path.isEmpty())
        LoadFromFile(path);
}

void TFormText::ToolButton3Click() {
    const QString path = chooseSaveFile(m_currentFile);
    if (!path.isEmpty())
        SaveToFile(path);
}

void TFormText::ToolButton10Click() {
    QTextCursor cursor = m_memo->textCursor();
    cursor.removeSelectedText();
    m_memo->setTextCursor(cursor);
}

void TFormText::ToolButton12Click() {
    m_memo->selectAll();
    m_memo->copy();
}

void TFormText::ToolButton13Click() {
    setWordWrap(!m_wordWrap);
}

bool TFormText::LoadFromFile(const QString& path) {
    const ScratchErrors& errors =
        AppLanguage == UiLanguage::English ? kEnglishErrors : kGermanErrors;
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
    m_memo->setPlainText(withNewlines(loaded->text));
    m_currentFile = path;
    m_encoding = loaded->format.encoding;
    m_byteOrderMark = loaded->format.byteOrderMark;
    return true;
}

bool TFormText::SaveToFile(const QString& path) {
    const ScratchErrors& errors =
        AppLanguage == UiLanguage::English ? kEnglishErrors : kGermanErrors;
    // The raw text keeps non-breaking spaces; lines are separated by the paragraph mark there.
    QString text = m_memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    const QByteArray bytes = scratchFileBytes(text, m_encoding, m_byteOrderMark);
    // Written to a temporary file first, so a failure leaves the old file as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        showError(QString::fromUtf8(errors.save).arg(path, file.errorString()));
        return false;
    }
    m_currentFile = path;
    return true;
}
