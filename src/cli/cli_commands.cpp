#include "cli/cli_commands.h"

#include "features/check_html/cli_code_check_commands.h"
#include "features/doctype/cli_document_commands.h"
#include "features/entities/cli_entity_commands.h"
#include "features/remove_formatting/cli_remove_format_commands.h"
#include "features/tables/cli_table_commands.h"
#include "features/text_transforms/cli_transform_commands.h"
#include "features/wrapping/cli_wrap_commands.h"

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
        addDocTypeCommand(all);
        addRemoveFormattingCommands(all);
        addNewAndSaveCommands(all);
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
