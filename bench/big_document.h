#pragma once

#include <QString>
#include <QTemporaryDir>

// A folder for the benchmarks' files, removed at exit.
QTemporaryDir& scratchFolder();
// The path of a document of about `mebibytes` MiB, made once per run by the corpus generator;
// empty when the generator failed.
QString bigDocument(int mebibytes);
