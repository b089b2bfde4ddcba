#include "cli/cli_commands.h"

#include "app/messages.h"
#include "transform/code_check.h"

void addCodeCheckCommands(std::vector<CliCommand>& commands) {
    commands.push_back(
        {QStringLiteral("check-html"),
         QStringLiteral("correct the whole document as Check HTML does and report what "
                        "it found"),
         [](CliContext& c) { CheckHtmlCommand(c.command(), c.messages.language()); }});
}
