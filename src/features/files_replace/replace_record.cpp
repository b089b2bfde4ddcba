#include "features/files_replace/replace_record.h"

#include "features/files_replace/file_in_place.h"
#include "platform/data_folder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

QByteArray digest(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString copyName(int entry) {
    return QString::number(entry) + QStringLiteral(".old");
}

bool writeWhole(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    reason = file.errorString();
    return false;
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

bool ReplaceRecord::begin(QString& reason) {
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
    m_entries = 0;
    return writeWhole(indexPath(), QByteArray(), reason);
}

bool ReplaceRecord::keep(const QString& path, const QByteArray& oldBytes,
                         const QByteArray& newBytes, QString& reason) {
    const int entry = m_entries + 1;
    if (!writeWhole(m_folder + copyName(entry), oldBytes, reason))
        return false;
    // One line per file: the copy's number, the digest of the new bytes, the path.
    QFile index(indexPath());
    const QByteArray line =
        QByteArray::number(entry) + '\t' + digest(newBytes) + '\t' + QFile::encodeName(path) + '\n';
    if (!index.open(QIODevice::Append) || index.write(line) != line.size() || !index.flush()) {
        reason = index.errorString();
        return false;
    }
    m_entries = entry;
    return true;
}

bool ReplaceRecord::isEmpty() const {
    QFile index(indexPath());
    return !index.open(QIODevice::ReadOnly) || index.size() == 0;
}

QList<ReplaceRecord::Entry> ReplaceRecord::entries() const {
    QList<Entry> entries;
    QFile index(indexPath());
    if (!index.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray& line : index.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() < 3)
            continue;
        // A path may hold a tab; it is the last field.
        entries.append({fields[0].toInt(), fields[1],
                        QFile::decodeName(line.mid(fields[0].size() + fields[1].size() + 2))});
    }
    return entries;
}

QStringList ReplaceRecord::paths() const {
    QStringList paths;
    for (const Entry& entry : entries())
        paths.append(entry.path);
    return paths;
}

ReplaceRecord::UndoResult ReplaceRecord::undo() {
    UndoResult result;
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
        QFile copy(m_folder + copyName(entry.number));
        if (!copy.open(QIODevice::ReadOnly)) {
            result.failed.append(path + QLatin1Char('\t') + copy.errorString());
            continue;
        }
        const QByteArray old = copy.readAll();
        QString reason;
        if (overwriteInPlace(path, now.key, old, now.bytes, reason))
            result.restored.append(path);
        else
            result.failed.append(path + QLatin1Char('\t') + reason);
    }
    QDir(m_folder).removeRecursively();
    m_entries = 0;
    return result;
}
