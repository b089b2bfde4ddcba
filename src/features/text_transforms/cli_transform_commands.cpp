#include "features/text_transforms/cli_transform_commands.h"

#include "features/text_transforms/hyphenation.h"
#include "features/text_transforms/letter_case.h"
#include "features/text_transforms/line_feeds.h"

void addTransformCommands(std::vector<CliCommand>& commands) {
    commands.push_back({QStringLiteral("remove-lf"),
                        QStringLiteral("join all lines outside script and style blocks"),
                        [](CliContext& c) { removeLineFeedsCommand(c.command()); }});
    commands.push_back({QStringLiteral("insert-lf"),
                        QStringLiteral("end every tag outside script and style blocks with a "
                                       "line break"),
                        [](CliContext& c) { insertLineFeedsCommand(c.command()); }});
    commands.push_back(
        {QStringLiteral("remove-hyphenation"),
         QStringLiteral("delete hyphens before lower-case letters in the body and show the count"),
         [](CliContext& c) { removeHyphenationCommand(c.command()); }});
    commands.push_back({QStringLiteral("upper-to-lower"),
                        QStringLiteral("lower the letters A-Z of the selection"),
                        [](CliContext& c) { upperToLowerCommand(c.command()); }});
    commands.push_back({QStringLiteral("lower-to-upper"),
                        QStringLiteral("raise the letters a-z of the selection"),
                        [](CliContext& c) { lowerToUpperCommand(c.command()); }});
}
