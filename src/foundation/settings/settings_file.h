#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of Html.ini, by index. The file holds at least LineCount lines.
namespace SettingsLine {
enum : int {
    FontName = 0,
    FontSize = 1,
    LineNumbers = 2,
    FtpUser = 3,
    FtpPassword = 4,
    FtpServer = 5,
    FtpLoginMode = 6,
    Charset = 7,
    Browser = 8,
    KeywordColour = 9,
    IdentifierColour = 10,
    ValueCommentEntityColours = 11,
    Reserved12 = 12,
    Reserved13 = 13,
    Reserved14 = 14,
    Language = 15,
    SaveEncoding = 16,
    FtpClient = 17,
    UpdateCheck = 18,
    LineCount = 19
};
}

QString settingsFilePath(const QString& dataFolder);

// A number in Html.ini: an optional sign and decimal digits, nothing else (no blanks), within
// the range of int.
std::optional<int> parseSettingsNumber(const QString& text);

// Trimming drops characters up to U+0020 from both ends; a blank line is empty after it
// (write-back pads with single blanks).
QString trimSettingsText(const QString& text);
bool isBlankSettingsLine(const QString& line);

// Line 11 at ";" into at most three trimmed fields; the third keeps any further ";".
QStringList splitColourFields(const QString& line);

// The lines of Html.ini's bytes, deciphered when isEnciphered says so; nullopt when they
// cannot be decoded.
std::optional<QStringList> settingsLinesFromBytes(const QByteArray& bytes);
// The lines of Html.ini, deciphered when isEnciphered says so; nullopt when the file is
// missing or cannot be read.
std::optional<QStringList> readSettingsFile(const QString& path);

// Replaces Html.ini with the given lines, enciphered, readable by its owner only. The old file
// stays as it was when writing fails.
bool writeSettingsFile(const QString& path, const QStringList& lines);
