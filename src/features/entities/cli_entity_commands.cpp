#include "features/entities/cli_entity_commands.h"

#include "features/entities/entities.h"

void addEntityCommands(std::vector<CliCommand>& commands) {
    commands.push_back({QStringLiteral("replace-umlauts"),
                        QStringLiteral("replace umlauts, sharp s, euro, copyright and registered "
                                       "signs in the whole document by named entities"),
                        [](CliContext& c) { replaceUmlautsInDocument(c.editor); }});
    commands.push_back({QStringLiteral("char-code"),
                        QStringLiteral("replace the selection by the numeric character reference "
                                       "of its first character"),
                        [](CliContext& c) { replaceSelectionByCharacterReference(c.command()); }});
    commands.push_back({QStringLiteral("js-string"),
                        QStringLiteral("replace the selected lines by a JavaScript string "
                                       "expression, one quoted piece per line"),
                        [](CliContext& c) { replaceSelectionByJavaScriptString(c.editor); }});
}
