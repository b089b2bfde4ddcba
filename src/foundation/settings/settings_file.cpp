#include "foundation/settings/settings_file.h"

#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_storage.h"
#include "foundation/text/text_rules.h"

#include <QDir>

QString settingsFilePath(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Html.ini"));
}

std::optional<int> parseSettingsNumber(const QString& text) {
    const qsizetype start = text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'));
    if (text.size() == start)
        return std::nullopt;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString trimSettingsText(const QString& text) {
    return trimBlank(text).toString();
}

bool isBlankSettingsLine(const QString& line) {
    return isBlankText(line);
}

QStringList splitColourFields(const QString& line) {
    QStringList fields;
    qsizetype from = 0;
    while (fields.size() < 2) {
        const qsizetype semicolon = line.indexOf(QLatin1Char(';'), from);
        if (semicolon < 0)
            break;
        fields << trimSettingsText(line.mid(from, semicolon - from));
        from = semicolon + 1;
    }
    fields << trimSettingsText(line.mid(from));
    return fields;
}

std::optional<QStringList> settingsLinesFromBytes(const QByteArray& bytes) {
    std::optional<QStringList> lines = dataFileLines(bytes);
    // The cipher works on the file's bytes, not on the characters they were read as.
    if (lines && isEnciphered(lines->join(QStringLiteral("\r\n"))))
        lines = dataFileLines(decipherSettings(bytes));
    return lines;
}

std::optional<QStringList> readSettingsFile(const QString& path) {
    const std::optional<QByteArray> bytes = readDataFile(path);
    if (!bytes)
        return std::nullopt;
    return settingsLinesFromBytes(*bytes);
}

bool writeSettingsFile(const QString& path, const QStringList& lines) {
    return writePrivateDataFile(path, encipherSettings(dataFileBytes(lines)));
}
