#include "features/files_replace/file_in_place.h"

#include <QFile>
#include <QHashFunctions>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Closes the descriptor however the function is left.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // The close's own failure counts: some file systems report a lost write only there.
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return ::ftruncate(fd, off_t(bytes.size())) == 0;
}

} // namespace

size_t qHash(const FileKey& key, size_t seed) noexcept {
    return qHashMulti(seed, quint64(key.device), quint64(key.inode));
}

RegularFileRead readRegularFile(const QString& path) {
    RegularFileRead read;
    // O_NONBLOCK: opening a FIFO without a writer would wait for one.
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        read.reason = systemError(errno);
        return read;
    }
    read.key = {info.st_dev, info.st_ino};
    if (!S_ISREG(info.st_mode)) {
        read.status = RegularFileRead::Status::NotRegular;
        read.reason =
            S_ISDIR(info.st_mode) ? systemError(EISDIR) : QStringLiteral("not a regular file");
        return read;
    }
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == bytes.size())
            bytes.resize(done + 65536); // the file grew since fstat
        const ssize_t n = ::read(fd.get(), bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            read.reason = systemError(errno);
            return read;
        }
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    read.bytes = std::move(bytes);
    read.status = RegularFileRead::Status::Read;
    return read;
}

bool overwriteInPlace(const QString& path, const FileKey& expected, const QByteArray& bytes,
                      const QByteArray& previous, QString& reason) {
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        reason = systemError(errno);
        return false;
    }
    if (!(FileKey{info.st_dev, info.st_ino} == expected) || !S_ISREG(info.st_mode)) {
        reason = QStringLiteral("the file was replaced by another one while it was processed");
        return false;
    }
    // Marked read-only by its owner: kept so even for a user who could write it anyway.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        reason = systemError(EACCES);
        return false;
    }
    // A full disk refuses here, before the old content is touched. File systems without
    // reservation go on: the write below still puts the old content back on failure.
    if (bytes.size() > info.st_size &&
        ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        reason = systemError(errno);
        return false;
    }
    if (!writeAll(fd.get(), bytes)) {
        const int code = errno;
        (void)writeAll(fd.get(), previous);
        reason = systemError(code);
        return false;
    }
    if (!fd.close()) {
        reason = systemError(errno);
        return false;
    }
    return true;
}
