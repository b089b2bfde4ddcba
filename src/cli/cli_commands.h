#pragma once

#include "foundation/commands/cli_command.h"

#include <QString>

#include <vector>

// Every command hexlume-cli knows, in the order --help lists them.
const std::vector<CliCommand>& cliCommands();
const CliCommand* findCliCommand(const QString& name);
