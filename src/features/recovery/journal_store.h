#pragma once

#include "features/recovery/journal.h"

#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <vector>

// The recovery folder and this editor's place in it. Each running editor holds a lock named
// after its session; its journals carry the session in their names, so a second editor
// leaves them alone and only the journals of an editor that is gone are offered back.
// Writes run in order on one thread of their own, so typing never waits for the disk.
class JournalStore : public QObject {
    Q_OBJECT
public:
    // $XDG_STATE_HOME/hexlume/recovery/, by default ~/.local/state/hexlume/recovery/.
    static QString defaultFolder();

    explicit JournalStore(const QString& folder, QObject* parent = nullptr);
    ~JournalStore() override;

    // Makes the folder (0700) and takes this session's lock; false when neither worked, and
    // then nothing is kept.
    bool open();
    bool isOpen() const { return m_open; }
    const QString& folder() const { return m_folder; }
    QString journalPath(const QString& slot) const;

    // Queued, in order, on the store's thread. done runs on the caller's thread afterwards.
    void write(const QString& slot, const Journal& journal, std::function<void()> done = {});
    void remove(const QString& slot);
    // Waits until every queued write and removal is done.
    void flush();

    struct Orphan {
        QString path;
        Journal journal;
    };
    // Journals whose editor is gone; their sessions are claimed for this editor until
    // forget() or the store closes, so two editors starting together do not both offer them.
    QList<Orphan> claimOrphans();
    // Removes a journal offered by claimOrphans (recovered or discarded).
    void forget(const QString& orphanPath);

    // Written through a temporary file, synced, renamed into place and the folder synced:
    // after a power cut there is the old journal or the new one, never a part.
    static bool writeDurably(const QString& path, const QByteArray& head, const QByteArray& body);

private:
    QString m_folder;
    QString m_session;
    std::unique_ptr<QLockFile> m_lock;
    std::vector<std::unique_ptr<QLockFile>> m_claimed;
    QStringList m_claimedSessions;
    QThread m_thread;
    QObject* m_worker = nullptr;
    bool m_open = false;
};
