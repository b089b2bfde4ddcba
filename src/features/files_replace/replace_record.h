#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// What the last replace run over many files changed, kept in a folder so that the window and
// hexlume-cli can put it back: a copy of each file's old bytes, written before the file is
// touched, and a digest of what the run wrote. A new run starts a new record.
class ReplaceRecord {
public:
    // The data folder's "files-replace-undo/" unless another folder is given.
    explicit ReplaceRecord(QString folder = defaultFolder());
    static QString defaultFolder();
    const QString& folder() const { return m_folder; }

    // Forgets the last run; false when the folder cannot be made.
    bool begin(QString& reason);
    // Before `path` is rewritten: keeps its old bytes and the digest of the new ones. False
    // (and the file must stay as it is) when the copy cannot be written.
    bool keep(const QString& path, const QByteArray& oldBytes, const QByteArray& newBytes,
              QString& reason);
    bool isEmpty() const;
    // The files the last run rewrote.
    QStringList paths() const;

    // What putting the last run back did.
    struct UndoResult {
        QStringList restored;
        QStringList changedSince; // no longer holds what the run wrote: left alone
        QStringList failed;       // with the system's words after a tab
    };
    // Puts back every file that still holds what the run wrote; the record is then gone.
    UndoResult undo();

private:
    struct Entry {
        qint64 offset; // of the old bytes in the copies file
        qint64 size;
        QByteArray digest;
        QString path;
    };
    QList<Entry> entries() const;
    QString indexPath() const;
    QString copiesPath() const;

    QString m_folder;
    // Open while a run keeps files: one file for all copies, so that a run over thousands of
    // files does not make thousands more.
    QFile m_index;
    QFile m_copies;
};
