#pragma once

#include "features/recovery/journal.h"

#include <QObject>
#include <QTimer>

#include <functional>

class JournalStore;

// Keeps one text's journal up to date: written a short pause after typing stops and at once
// after a run of typing without a pause, removed when the text no longer needs keeping.
// The snapshot is taken on the caller's thread; the disk work is the store's.
class JournalWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int PauseMs = 3000;
    static constexpr int CharacterRun = 300;

    JournalWriter(JournalStore& store, const QString& slot, QObject* parent = nullptr);

    // Whether the text needs keeping now (modified and not empty).
    std::function<bool()> wanted;
    // The journal as it stands; called only when a write is due.
    std::function<Journal()> snapshot;

    // An edit of this many characters (inserted plus removed).
    void noteEdit(qsizetype characters);
    // Queues a write of the text as it stands now (or after the write in progress).
    void writeNow();
    // The text was saved or deliberately dropped.
    void discard();
    bool hasJournal() const { return m_hasJournal; }

signals:
    void written();

private:
    void due();
    void finished();

    JournalStore& m_store;
    QString m_slot;
    QTimer m_pause;
    qsizetype m_sinceWrite = 0;
    bool m_writing = false;
    bool m_again = false;
    bool m_hasJournal = false;
};
