#include "cli/cli_commands.h"

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands = [] {
        std::vector<CliCommand> all{
            {QStringLiteral("save-as"),
             QStringLiteral(
                 "write the document back unchanged, in its own encoding and line breaks"),
             [](CliContext&) {}},
        };
        addWrapCommands(all);
        addTableCommands(all);
        addTransformCommands(all);
        addCodeCheckCommands(all);
        addDocumentCommands(all);
        addEntityCommands(all);
        return all;
    }();
    return commands;
}

const CliCommand* findCliCommand(const QString& name) {
    for (const CliCommand& c : cliCommands())
        if (c.name == name)
            return &c;
    return nullptr;
}
