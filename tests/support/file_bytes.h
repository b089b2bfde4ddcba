#pragma once

#include <QByteArray>
#include <QString>

// A file's whole content; empty when it cannot be read.
QByteArray readFileBytes(const QString& path);
// Replaces a file's content; false when it cannot be written.
bool writeFileBytes(const QString& path, const QByteArray& bytes);
