#pragma once

#include "foundation/commands/cli_command.h"

#include <vector>

// hexlume-cli's doctype command.
void addDocTypeCommand(std::vector<CliCommand>& commands);
// hexlume-cli's new and save: a new page of a chosen type, a save with the generator element.
void addNewAndSaveCommands(std::vector<CliCommand>& commands);
