#pragma once

#include "foundation/document/file_stamp.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Watches the open document's file and says once per change when another program wrote,
// replaced or deleted it. A replaced file is a new one the watcher no longer follows, so the
// path is added again; its folder is watched too, for a file that comes back.
class DiskWatch : public QObject {
    Q_OBJECT
public:
    explicit DiskWatch(QObject* parent = nullptr);

    // Starts over with the file as the document last read or wrote it; an empty path stops.
    void watch(const QString& path, const FileStamp& known);
    const QString& path() const { return m_path; }
    // Looks again (the window was activated); emits changed when the file differs.
    void check();

signals:
    void changed(const FileStamp& now);

private:
    void follow();

    QFileSystemWatcher* m_watcher;
    QTimer m_settle;
    QString m_path;
    FileStamp m_seen;
};
