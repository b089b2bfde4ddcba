#include "features/check_html/cli_code_check_commands.h"

#include "features/check_html/code_check.h"
#include "foundation/messages/message_table.h"

void addCodeCheckCommands(std::vector<CliCommand>& commands) {
    commands.push_back(
        {QStringLiteral("check-html"),
         QStringLiteral("correct the whole document as Check HTML does and report what "
                        "it found"),
         [](CliContext& c) { checkHtml(c.command(), c.messages.language()); }});
}
