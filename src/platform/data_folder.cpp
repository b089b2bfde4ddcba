#include "platform/data_folder.h"

#include <QDir>

QString defaultDataFolder() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir(base).absolutePath() + QStringLiteral("/redodaze/");
}

bool ensureFolder(const QString& folder) {
    return QDir().mkpath(folder);
}
