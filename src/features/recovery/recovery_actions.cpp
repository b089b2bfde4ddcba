#include "features/recovery/recovery_actions.h"

#include "features/recovery/disk_watch.h"
#include "features/recovery/journal_store.h"
#include "features/recovery/journal_writer.h"
#include "features/recovery/recovery_dialog.h"
#include "features/recovery/recovery_texts.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "widgets/feature_context.h"

#include <Qsci/qsciscintilla.h>

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTimer>

#include <utility>

namespace {

const QString documentSlot = QStringLiteral("document");
const QString scratchSlot = QStringLiteral("scratch");

// The control's bytes are already the journal's UTF-8. They are copied as the two blocks on
// either side of the control's gap: that moves no text, where SCI_GETTEXT reads byte by byte.
QByteArray editorBytes(QsciScintilla* editor) {
    using Sci = QsciScintillaBase;
    const long length = editor->SendScintilla(Sci::SCI_GETLENGTH);
    const long gap = editor->SendScintilla(Sci::SCI_GETGAPPOSITION);
    QByteArray bytes;
    bytes.reserve(length);
    for (const auto& [start, size] : {std::pair{0L, gap}, std::pair{gap, length - gap}}) {
        if (size <= 0)
            continue;
        const auto* block = reinterpret_cast<const char*>(editor->SendScintilla(
            Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), size));
        bytes.append(block, size);
    }
    return bytes;
}

} // namespace

RecoveryActions::RecoveryActions(FeatureContext& context)
    : RecoveryActions(context, JournalStore::defaultFolder()) {}

RecoveryActions::RecoveryActions(FeatureContext& context, const QString& folder)
    : QObject(&context), m_context(context), m_store(new JournalStore(folder, this)),
      m_documentWriter(new JournalWriter(*m_store, documentSlot, this)),
      m_scratchWriter(new JournalWriter(*m_store, scratchSlot, this)),
      m_diskWatch(new DiskWatch(this)) {
    m_store->open();
    QsciScintilla* editor = m_context.editor();
    EditorBuffer& buffer = m_context.buffer();
    Document& document = m_context.document();

    m_documentWriter->wanted = [&buffer] { return buffer.isModified() && !buffer.isEmpty(); };
    m_documentWriter->snapshot = [this] { return documentJournal(); };
    connect(editor, &QsciScintilla::textChanged, this, &RecoveryActions::documentEdited);
    connect(editor, &QsciScintilla::modificationChanged, this, [this](bool modified) {
        if (!modified)
            m_documentWriter->discard();
    });
    document.fileOpened = [this] {
        if (!m_startingUp)
            offerJournals(m_context.document().fileName());
    };
    document.diskStampChanged = [this] { watchDocument(); };
    document.fileWritten = [this] { documentWritten(); };
    connect(m_diskWatch, &DiskWatch::changed, this, &RecoveryActions::changedOnDisk);
    m_context.window()->installEventFilter(this);

    connectScratch();
    connect(&m_context, &FeatureContext::startedUp, this, [this] {
        // The file named on the command line first, then everything else left over.
        if (m_context.document().diskStamp().known)
            offerJournals(m_context.document().fileName());
        m_startingUp = false;
        offerJournals();
        m_offered.clear();
    });
}

RecoveryActions::~RecoveryActions() {
    // Leaving cleanly: whatever was not saved was given up on purpose.
    m_documentWriter->discard();
    m_scratchWriter->discard();
    m_store->flush();
}

void RecoveryActions::connectScratch() {
    QPlainTextEdit* scratch = m_context.scratchTextEdit;
    if (!scratch)
        return;
    QTextDocument* text = scratch->document();
    m_scratchWriter->wanted = [text] { return text->isModified() && !text->isEmpty(); };
    m_scratchWriter->snapshot = [this] { return scratchJournal(); };
    connect(text, &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) { m_scratchWriter->noteEdit(removed + added); });
    connect(text, &QTextDocument::modificationChanged, this, [this](bool modified) {
        if (!modified)
            m_scratchWriter->discard();
    });
}

QString RecoveryActions::documentPath() const {
    // An untitled document's name is a word, not a path.
    const QString& name = m_context.document().fileName();
    return QDir::isAbsolutePath(name) ? name : QString();
}

Journal RecoveryActions::documentJournal() const {
    Journal journal;
    journal.fileName = documentPath();
    journal.format = m_context.document().format();
    journal.written = QDateTime::currentDateTimeUtc();
    journal.disk = FileStamp::of(journal.fileName);
    journal.text = editorBytes(m_context.editor());
    return journal;
}

Journal RecoveryActions::scratchJournal() const {
    Journal journal;
    journal.kind = Journal::Kind::Scratch;
    journal.written = QDateTime::currentDateTimeUtc();
    journal.text = m_context.scratchTextEdit->toPlainText().toUtf8();
    return journal;
}

void RecoveryActions::documentEdited() {
    const long length = m_context.editor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    // Typing changes the length by what was typed; a replacement of equal length counts one.
    m_documentWriter->noteEdit(std::max(1L, std::abs(length - m_lastLength)));
    m_lastLength = length;
}

void RecoveryActions::documentWritten() {
    // The save clears the modified flag after writing; look once it has.
    QTimer::singleShot(0, this, [this] {
        if (!m_context.buffer().isModified())
            m_documentWriter->discard();
    });
}

void RecoveryActions::watchDocument() {
    const QString path = documentPath();
    m_diskWatch->watch(path, path.isEmpty() ? FileStamp() : m_context.document().diskStamp());
}

bool RecoveryActions::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowActivate && watched == m_context.window())
        m_diskWatch->check();
    return QObject::eventFilter(watched, event);
}

void RecoveryActions::changedOnDisk(const FileStamp& now) {
    using namespace RecoveryText;
    Document& document = m_context.document();
    EditorBuffer& buffer = m_context.buffer();
    const UiLanguage language = m_context.uiLanguage();
    const QString name = QFileInfo(document.fileName()).fileName();
    if (!now.exists) {
        // The text on screen is now the only copy: keep it modified so it is kept and asked for.
        buffer.setModified(true);
        m_documentWriter->writeNow();
        m_context.prompter().information(Deleted.in(language).arg(name));
        return;
    }
    if (buffer.isModified() && m_context.prompter().askYesNo(
                                   ReloadQuestion.in(language).arg(name)) != Prompter::Answer::Yes)
        return;
    const std::optional<QString> readNote = document.reloadFromDisk();
    if (!readNote)
        return;
    if (m_context.showStatusNote) {
        QString told = Reloaded.in(language).arg(name);
        if (!readNote->isEmpty())
            told += QLatin1Char(' ') + *readNote;
        m_context.showStatusNote(told);
    }
}

void RecoveryActions::offerJournals(const QString& fileName) {
    const QList<JournalStore::Orphan> orphans = m_store->claimOrphans();
    for (const JournalStore::Orphan& orphan : orphans) {
        if (m_offered.contains(orphan.path))
            continue;
        if (!fileName.isEmpty() &&
            (orphan.journal.kind != Journal::Kind::Document || orphan.journal.fileName != fileName))
            continue;
        m_offered << orphan.path;
        if (!offer(orphan.path, orphan.journal))
            break;
    }
}

bool RecoveryActions::offer(const QString& path, const Journal& journal) {
    RecoveryDialog dialog(journal, m_context.uiLanguage(), m_context.window());
    switch (dialog.exec()) {
    case RecoveryDialog::Recover: {
        const QString text = QString::fromUtf8(journal.text);
        if (journal.kind == Journal::Kind::Scratch) {
            if (!m_context.showScratchText)
                return true;
            m_context.showScratchText(text);
        } else {
            if (!m_context.document().recover(journal.fileName, journal.format, text))
                return false;
            m_lastLength = m_context.editor()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
            m_documentWriter->writeNow();
        }
        m_store->forget(path);
        return true;
    }
    case RecoveryDialog::Discard:
        m_store->forget(path);
        return true;
    default:
        return true;
    }
}
