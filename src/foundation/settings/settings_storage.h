#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class Platform;

// Html.ini and files.txt are read as documents are (byte-order mark, else UTF-8 when valid,
// else Windows-1252) and written as UTF-8, every line followed by CR LF.

// The lines of a data file's bytes, split at CR LF, CR or LF; a final line break adds no empty
// line. nullopt when the bytes cannot be decoded.
std::optional<QStringList> dataFileLines(const QByteArray& bytes);
QByteArray dataFileBytes(const QStringList& lines);

// Replaces the file whole, readable by its owner only, also for a moment; the old file stays as
// it was when writing fails.
bool writePrivateDataFile(const QString& path, const QByteArray& bytes);

// The whole content; nullopt when the path is missing, a folder or unreadable.
std::optional<QByteArray> readDataFile(const QString& path);

// For a file the program may not overwrite: asks the installer to delete it with raised
// rights. Nothing is asked when the file does not exist.
void requestDeleteByInstaller(Platform& platform, const QString& path);
