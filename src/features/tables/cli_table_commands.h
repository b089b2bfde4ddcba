#pragma once

#include "foundation/commands/cli_command.h"

#include <vector>

// hexlume-cli's commands of this feature, appended in the order --help lists them.
void addTableCommands(std::vector<CliCommand>& commands);
