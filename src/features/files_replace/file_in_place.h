#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// A file's identity: two names of one file (a symbolic link and its target, two hard links)
// give the same key.
struct FileKey {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileKey&) const = default;
};
size_t qHash(const FileKey& key, size_t seed = 0) noexcept;

// A whole regular file read without ever blocking: a FIFO or a device is refused before
// anything is read from it.
struct RegularFileRead {
    enum class Status { Read, Failed, NotRegular };
    Status status = Status::Failed;
    FileKey key;
    QByteArray bytes;
    QString reason; // the system's words when not read
};
RegularFileRead readRegularFile(const QString& path);

// Writes `bytes` over the file's content through its own inode, so that its hard links, mode,
// owner, extended attributes and ACLs stay, also in a folder the user may not write to. The
// space is reserved before the first byte is written, and a failed write puts `previous` back.
// Refused when the name no longer leads to `expected` or the file is marked read-only.
bool overwriteInPlace(const QString& path, const FileKey& expected, const QByteArray& bytes,
                      const QByteArray& previous, QString& reason);
