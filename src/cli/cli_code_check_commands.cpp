#include "cli/cli_commands.h"

void addCodeCheckCommands(std::vector<CliCommand>& commands) {
    (void)commands;
}
