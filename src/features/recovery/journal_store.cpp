#include "features/recovery/journal_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString journalSuffix = QStringLiteral(".journal");

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

QString sessionOf(const QString& journalName) {
    return journalName.section(QLatin1Char('.'), 0, 0);
}

} // namespace

QString JournalStore::defaultFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/hexlume/recovery");
}

JournalStore::JournalStore(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder) {
    // The pid tells a person which editor it was; the random part keeps a reused pid apart.
    m_session = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                QString::number(QRandomGenerator::global()->generate(), 36);
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("recovery journal"));
    m_thread.start(QThread::LowPriority);
}

JournalStore::~JournalStore() {
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

bool JournalStore::open() {
    if (m_open)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    // Unsaved pages may hold anything; only their owner reads them.
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_lock = std::make_unique<QLockFile>(m_folder + QLatin1Char('/') + m_session +
                                         QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0);
    m_open = m_lock->tryLock(0);
    return m_open;
}

QString JournalStore::journalPath(const QString& slot) const {
    return m_folder + QLatin1Char('/') + m_session + QLatin1Char('.') + slot + journalSuffix;
}

bool JournalStore::writeDurably(const QString& path, const QByteArray& head,
                                const QByteArray& body) {
    const QByteArray target = QFile::encodeName(path);
    const QByteArray temporary = target + ".new";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, head) && writeAll(fd, body) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return syncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
}

void JournalStore::write(const QString& slot, const Journal& journal, std::function<void()> done) {
    if (!m_open)
        return;
    const QString path = journalPath(slot);
    QMetaObject::invokeMethod(m_worker, [this, path, journal, done] {
        writeDurably(path, journalHeader(journal), journal.text);
        if (done)
            QMetaObject::invokeMethod(this, done, Qt::QueuedConnection);
    });
}

void JournalStore::remove(const QString& slot) {
    if (!m_open)
        return;
    const QString path = journalPath(slot);
    QMetaObject::invokeMethod(m_worker, [path] {
        if (QFile::remove(path))
            syncFolder(QFile::encodeName(QFileInfo(path).absolutePath()));
    });
}

void JournalStore::flush() {
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

QList<JournalStore::Orphan> JournalStore::claimOrphans() {
    QList<Orphan> orphans;
    if (!m_open)
        return orphans;
    const QDir folder(m_folder);
    const QStringList names =
        folder.entryList({QStringLiteral("*") + journalSuffix}, QDir::Files, QDir::Time);
    QStringList liveSessions;
    for (const QString& name : names) {
        const QString session = sessionOf(name);
        if (session == m_session || liveSessions.contains(session))
            continue;
        if (!m_claimedSessions.contains(session)) {
            // A lock whose process is gone is stale and can be taken; a live editor's cannot.
            auto lock =
                std::make_unique<QLockFile>(folder.filePath(session + QStringLiteral(".lock")));
            lock->setStaleLockTime(0);
            if (!lock->tryLock(0)) {
                liveSessions << session;
                continue;
            }
            m_claimed.push_back(std::move(lock));
            m_claimedSessions << session;
        }
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (std::optional<Journal> journal = parseJournal(file.readAll()))
            orphans.append({file.fileName(), *journal});
    }
    return orphans;
}

void JournalStore::forget(const QString& orphanPath) {
    // After the writes queued before it: a recovered text is kept anew before the old goes.
    QMetaObject::invokeMethod(m_worker, [orphanPath] {
        if (QFile::remove(orphanPath))
            syncFolder(QFile::encodeName(QFileInfo(orphanPath).absolutePath()));
    });
}
