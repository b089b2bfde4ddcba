#include "foundation/settings/recent_files.h"

#include "foundation/document/document_file.h"
#include "foundation/settings/settings_storage.h"
#include "foundation/text/text_rules.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString recentFilesPath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("files.txt"));
}

void RecentFiles::add(const QString& path) {
    const QString lowered = asciiLower(path);
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (asciiLower(m_paths[slot]) == lowered)
            return;
    }
    int target = SlotCount - 1;
    while (target >= 0 && isFilled(target))
        --target;
    if (target < 0) {
        for (int slot = SlotCount - 1; slot > 0; --slot) {
            m_names[slot] = m_names[slot - 1];
            m_paths[slot] = m_paths[slot - 1];
        }
        target = 0;
    }
    m_names[target] = QFileInfo(path).fileName();
    m_paths[target] = path;
}

void RecentFiles::load(const QString& dataFolder) {
    const std::optional<QByteArray> bytes = readDataFile(recentFilesPath(dataFolder));
    if (!bytes)
        return;
    const QStringList lines = dataFileLines(*bytes).value_or(QStringList());
    const auto lineAt = [&lines](int index) {
        return index < lines.size() ? lines[index] : QString();
    };
    for (int slot = 0; slot < SlotCount; ++slot) {
        m_names[slot] = lineAt(slot);
        m_paths[slot] = lineAt(SlotCount + slot);
    }
}

bool RecentFiles::save(const QString& dataFolder, Platform& platform) const {
    QStringList lines;
    for (const QString& name : m_names)
        lines << name;
    for (const QString& path : m_paths)
        lines << path;
    const QString file = recentFilesPath(dataFolder);
    const QByteArray bytes = dataFileBytes(lines);
    // The paths tell where the user works: kept as private as Html.ini.
    if (writePrivateDataFile(file, bytes))
        return true;
    requestDeleteByInstaller(platform, file);
    platform.pause(300);
    return writePrivateDataFile(file, bytes);
}

void RecentFiles::clear(const QString& dataFolder) {
    QFile::remove(recentFilesPath(dataFolder));
    m_names.fill(QString());
    m_paths.fill(QString());
}

bool RecentFiles::isFilled(int slot) const {
    return !isBlankText(m_names[slot]);
}

bool RecentFiles::anyFilled() const {
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (isFilled(slot))
            return true;
    }
    return false;
}

bool RecentFiles::canOpen(int slot) const {
    return QFileInfo(m_paths[slot]).isFile();
}
