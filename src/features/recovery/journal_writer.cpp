#include "features/recovery/journal_writer.h"

#include "features/recovery/journal_store.h"

JournalWriter::JournalWriter(JournalStore& store, const QString& slot, QObject* parent)
    : QObject(parent), m_store(store), m_slot(slot) {
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &JournalWriter::due);
}

void JournalWriter::noteEdit(qsizetype characters) {
    m_sinceWrite += characters;
    // Decided from the event loop, not inside the edit: loading a file is one huge edit that
    // is unmodified again a moment later and needs no journal.
    if (m_sinceWrite >= CharacterRun)
        m_pause.start(0);
    else
        m_pause.start(PauseMs);
}

void JournalWriter::writeNow() {
    m_pause.stop();
    due();
}

void JournalWriter::due() {
    if (wanted && !wanted()) {
        discard();
        return;
    }
    if (m_writing) {
        m_again = true;
        return;
    }
    if (!snapshot)
        return;
    m_sinceWrite = 0;
    m_writing = true;
    m_hasJournal = true;
    m_store.write(m_slot, snapshot(), [this] { finished(); });
}

void JournalWriter::finished() {
    m_writing = false;
    emit written();
    if (m_again) {
        m_again = false;
        due();
    }
}

void JournalWriter::discard() {
    m_pause.stop();
    m_again = false;
    m_sinceWrite = 0;
    if (!m_hasJournal)
        return;
    m_hasJournal = false;
    m_store.remove(m_slot);
}
