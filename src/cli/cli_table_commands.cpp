#include "cli/cli_commands.h"

void addTableCommands(std::vector<CliCommand>& commands) {
    (void)commands;
}
