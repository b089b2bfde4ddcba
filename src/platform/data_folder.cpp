#include "platform/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString xdgDataHome() {
    const QString base = qEnvironmentVariable("XDG_DATA_HOME");
    return QDir(base.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : base)
        .absolutePath();
}

} // namespace

QString defaultDataFolder() {
    return xdgDataHome() + QStringLiteral("/hexlume/");
}

QString legacyDataFolder() {
    return xdgDataHome() + QStringLiteral("/redodaze/");
}

bool ensureFolder(const QString& folder) {
    return QDir().mkpath(folder);
}

QStringList moveLegacyDataFiles(const QString& legacyFolder, const QString& dataFolder) {
    QStringList moved;
    QDir legacy(legacyFolder);
    if (legacyFolder.isEmpty() || !legacy.exists() ||
        QFileInfo(legacyFolder).canonicalFilePath() == QFileInfo(dataFolder).canonicalFilePath())
        return moved;
    if (!ensureFolder(dataFolder))
        return moved;
    const QDir target(dataFolder);
    for (const QFileInfo& file : legacy.entryInfoList(QDir::Files | QDir::Hidden)) {
        const QString destination = target.filePath(file.fileName());
        // A file already in the new folder is newer than the old one: both stay.
        if (QFileInfo::exists(destination))
            continue;
        if (QFile::rename(file.filePath(), destination))
            moved << file.fileName();
    }
    legacy.rmdir(legacy.absolutePath());
    return moved;
}
