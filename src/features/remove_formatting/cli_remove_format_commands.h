#pragma once

#include "foundation/commands/cli_command.h"

#include <vector>

// hexlume-cli's commands of this feature, appended in the order --help lists them.
void addRemoveFormattingCommands(std::vector<CliCommand>& commands);
