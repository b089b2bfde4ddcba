#pragma once

#include "cli/cli_runner.h"

#include <QStringList>

// hexlume-cli files-replace: its own options and many files, no document.
CliResult runFilesReplace(const QStringList& arguments);
