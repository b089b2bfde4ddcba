#pragma once

#include "foundation/commands/cli_command.h"

#include <QStringList>

// hexlume-cli files-replace: its own options and many files, no document.
CliResult runFilesReplace(const QStringList& arguments);
