#include "cli/cli_commands.h"

void addWrapCommands(std::vector<CliCommand>& commands) {
    (void)commands;
}
