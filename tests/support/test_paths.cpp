#include "test_paths.h"

#include <QDir>

QString corpusPagesFolder() {
    const QString dir = QStringLiteral(HEXLUME_SOURCE_DIR "/../shared/corpus/pages");
    return QDir(dir).exists() ? QDir(dir).absolutePath() : QString();
}

QString featureTestData(const QString& feature) {
    return QStringLiteral(HEXLUME_SOURCE_DIR "/tests/features/") + feature +
           QStringLiteral("/data");
}
