#include "features/recovery/disk_watch.h"

#include <QFileInfo>

DiskWatch::DiskWatch(QObject* parent) : QObject(parent), m_watcher(new QFileSystemWatcher(this)) {
    // A program writing a file sends several notices; look once it has had a moment to finish.
    m_settle.setSingleShot(true);
    m_settle.setInterval(150);
    connect(&m_settle, &QTimer::timeout, this, &DiskWatch::check);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this] { m_settle.start(); });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] { m_settle.start(); });
}

void DiskWatch::watch(const QString& path, const FileStamp& known) {
    if (!m_watcher->files().isEmpty())
        m_watcher->removePaths(m_watcher->files());
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_settle.stop();
    m_path = path;
    m_seen = known;
    if (m_path.isEmpty())
        return;
    m_watcher->addPath(QFileInfo(m_path).absolutePath());
    follow();
}

void DiskWatch::follow() {
    if (!m_watcher->files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher->addPath(m_path);
}

void DiskWatch::check() {
    if (m_path.isEmpty())
        return;
    follow();
    const FileStamp now = FileStamp::of(m_path);
    if (now == m_seen)
        return;
    m_seen = now;
    emit changed(now);
}
