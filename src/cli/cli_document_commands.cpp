#include "cli/cli_commands.h"

void addDocumentCommands(std::vector<CliCommand>& commands) {
    (void)commands;
}
