#include "features/files_replace/replace_record.h"

#include "features/files_replace/file_in_place.h"
#include "platform/data_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace {

QByteArray digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool writeAll(QFile& file, const QByteArray& bytes) {
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

ReplaceRecord::ReplaceRecord(QString folder) : m_folder(std::move(folder)) {
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString ReplaceRecord::defaultFolder() {
    return defaultDataFolder() + QStringLiteral("files-replace-undo/");
}

QString ReplaceRecord::indexPath() const {
    return m_folder + QStringLiteral("files");
}

QString ReplaceRecord::copiesPath() const {
    return m_folder + QStringLiteral("copies");
}

bool ReplaceRecord::begin(QString& reason) {
    m_index.close();
    m_copies.close();
    QDir folder(m_folder);
    if (folder.exists() && !folder.removeRecursively()) {
        reason = QStringLiteral("cannot empty ") + m_folder;
        return false;
    }
    if (!QDir().mkpath(m_folder)) {
        reason = QStringLiteral("cannot make ") + m_folder;
        return false;
    }
    // The copies may hold what only the user may read.
    QFile::setPermissions(m_folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_index.setFileName(indexPath());
    m_copies.setFileName(copiesPath());
    for (QFile* file : {&m_index, &m_copies}) {
        if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            reason = file->errorString();
            return false;
        }
    }
    return true;
}

// No flush to the disk per file, which would make a run over thousands of files crawl: a copy
// counts only once its line is in the index, written after it.
bool ReplaceRecord::keep(const QString& path, const QByteArray& oldBytes,
                         const QByteArray& newBytes, QString& reason) {
    if (!m_index.isOpen() || !m_copies.isOpen()) {
        reason = QStringLiteral("no undo record was begun");
        return false;
    }
    const qint64 offset = m_copies.pos();
    if (!writeAll(m_copies, oldBytes)) {
        reason = m_copies.errorString();
        return false;
    }
    // One line per file: where its copy is, the digest of the new bytes, the path.
    const QByteArray line = QByteArray::number(offset) + '\t' +
                            QByteArray::number(oldBytes.size()) + '\t' + digest(newBytes) + '\t' +
                            QFile::encodeName(path) + '\n';
    if (!writeAll(m_index, line)) {
        reason = m_index.errorString();
        return false;
    }
    return true;
}

QList<ReplaceRecord::Entry> ReplaceRecord::entries() const {
    QList<Entry> entries;
    QFile index(indexPath());
    if (!index.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray& line : index.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 4)
            continue;
        // A path may hold a tab; it is the last field.
        const qsizetype pathStart = fields[0].size() + fields[1].size() + fields[2].size() + 3;
        entries.append({fields[0].toLongLong(), fields[1].toLongLong(), fields[2],
                        QFile::decodeName(line.mid(pathStart))});
    }
    return entries;
}

bool ReplaceRecord::isEmpty() const {
    return QFileInfo(indexPath()).size() == 0;
}

QStringList ReplaceRecord::paths() const {
    QStringList paths;
    for (const Entry& entry : entries())
        paths.append(entry.path);
    return paths;
}

ReplaceRecord::UndoResult ReplaceRecord::undo() {
    m_index.close();
    m_copies.close();
    UndoResult result;
    QFile copies(copiesPath());
    const bool haveCopies = copies.open(QIODevice::ReadOnly);
    for (const Entry& entry : entries()) {
        const QString& path = entry.path;
        const RegularFileRead now = readRegularFile(path);
        if (now.status != RegularFileRead::Status::Read) {
            result.failed.append(path + QLatin1Char('\t') + now.reason);
            continue;
        }
        if (digest(now.bytes) != entry.digest) {
            result.changedSince.append(path);
            continue;
        }
        QByteArray old;
        if (haveCopies && copies.seek(entry.offset))
            old = copies.read(entry.size);
        if (old.size() != entry.size) {
            result.failed.append(path + QLatin1Char('\t') + copies.errorString());
            continue;
        }
        QString reason;
        if (overwriteInPlace(path, now.key, old, now.bytes, reason))
            result.restored.append(path);
        else
            result.failed.append(path + QLatin1Char('\t') + reason);
    }
    copies.close();
    QDir(m_folder).removeRecursively();
    return result;
}
