#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder for the benchmarks' files, removed at exit.
QTemporaryDir& scratchFolder();
// The path of a document of about `mebibytes` MiB, made once per run by the corpus generator;
// empty when the generator failed.
QString bigDocument(int mebibytes);
// The editor's text of that document (lines joined by CR LF), read once per size; null when
// it could not be made or read.
const QString* bigDocumentText(int mebibytes);
