#pragma once

#include <QString>

// What a file looked like on disk at one moment: enough to tell that another program wrote,
// replaced or deleted it since.
struct FileStamp {
    bool known = false; // false: no file was looked at yet
    bool exists = false;
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    static FileStamp of(const QString& path);
    bool operator==(const FileStamp&) const = default;
};
