#pragma once

#include "foundation/commands/cli_command.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

// hexlume-cli without the process around it: arguments in, bytes and exit status out.
// readStandardInput is called only when the document comes from standard input.
CliResult runCli(const QStringList& arguments,
                 const std::function<QByteArray()>& readStandardInput);
