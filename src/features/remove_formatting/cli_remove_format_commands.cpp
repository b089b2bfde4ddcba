#include "features/remove_formatting/cli_remove_format_commands.h"

#include "features/remove_formatting/remove_format.h"

void addRemoveFormattingCommands(std::vector<CliCommand>& commands) {
    commands.push_back({QStringLiteral("remove-formatting"),
                        QStringLiteral("strip inline formatting and headings from the element "
                                       "around the caret"),
                        [](CliContext& c) { removeFormattingAtCaret(c.editor); }});
}
