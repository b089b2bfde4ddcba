#include "foundation/settings/settings_storage.h"

#include "foundation/document/document_file.h"
#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>

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
