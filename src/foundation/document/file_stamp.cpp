#include "foundation/document/file_stamp.h"

#include <QFile>

#include <sys/stat.h>

FileStamp FileStamp::of(const QString& path) {
    FileStamp stamp;
    stamp.known = true;
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}
