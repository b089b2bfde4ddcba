#include "cli/cli_commands.h"

void addEntityCommands(std::vector<CliCommand>& commands) {
    (void)commands;
}
