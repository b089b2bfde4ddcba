#pragma once

#include "features/recovery/journal.h"

#include <QObject>
#include <QStringList>

class DiskWatch;
class FeatureContext;
class JournalStore;
class JournalWriter;
struct FileStamp;

// Keeps the unsaved document and scratch text in journals while this editor runs, offers
// the journals of an editor that ended without saving, and tells when another program
// changes the open file. Leaving cleanly leaves no journal behind.
class RecoveryActions : public QObject {
    Q_OBJECT
public:
    explicit RecoveryActions(FeatureContext& context);
    RecoveryActions(FeatureContext& context, const QString& folder);
    ~RecoveryActions() override;

    // Offers every journal no running editor owns; with a file name, only that file's.
    void offerJournals(const QString& fileName = QString());

    JournalStore& store() const { return *m_store; }
    JournalWriter& documentWriter() const { return *m_documentWriter; }
    JournalWriter& scratchWriter() const { return *m_scratchWriter; }
    DiskWatch& diskWatch() const { return *m_diskWatch; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchDocument();
    void connectScratch();
    void documentEdited();
    void documentWritten();
    void changedOnDisk(const FileStamp& now);
    Journal documentJournal() const;
    Journal scratchJournal() const;
    QString documentPath() const;
    bool offer(const QString& path, const Journal& journal);

    FeatureContext& m_context;
    JournalStore* m_store;
    JournalWriter* m_documentWriter;
    JournalWriter* m_scratchWriter;
    DiskWatch* m_diskWatch;
    long m_lastLength = 0;
    bool m_startingUp = true;
    QStringList m_offered;
};
