#include "cli/cli_commands.h"

void addTransformCommands(std::vector<CliCommand>& commands) {
    (void)commands;
}
