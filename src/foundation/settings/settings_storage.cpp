#include "foundation/settings/settings_storage.h"

#include "foundation/document/document_file.h"
#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QStringList> dataFileLines(const QByteArray& bytes) {
    const std::optional<LoadedDocument> document = decodeDocument(bytes);
    if (!document)
        return std::nullopt;
    if (document->text.isEmpty())
        return QStringList();
    return document->text.split(QStringLiteral("\r\n"));
}

QByteArray dataFileBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

bool writePrivateDataFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Set on the temporary file, so the content is never readable by others.
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

std::optional<QByteArray> readDataFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void requestDeleteByInstaller(Platform& platform, const QString& path) {
    if (QFileInfo::exists(path))
        platform.requestInstaller(path + QStringLiteral(" del"));
}
