#include "features/doctype/cli_document_commands.h"

#include "features/doctype/doctype_command.h"
#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"

void addDocTypeCommand(std::vector<CliCommand>& commands) {
    commands.push_back({QStringLiteral("doctype"),
                        QStringLiteral("put the declaration of the answered document type in "
                                       "front (XHTML: namespace on <html>)"),
                        [](CliContext& c) { insertDocType(c.command()); }});
}

void addNewAndSaveCommands(std::vector<CliCommand>& commands) {
    commands.push_back({QStringLiteral("new"),
                        QStringLiteral("a new page: answer yes, then the document type; reads "
                                       "no FILE"),
                        [](CliContext& c) {
                            Document document(c.editor, c.prompter, c.messages);
                            document.newDocument();
                            // Written in the charset the page declares.
                            c.format = document.format();
                        },
                        false});
    commands.push_back({QStringLiteral("save"),
                        QStringLiteral("write the document as Save does, with the generator "
                                       "element in its head"),
                        [](CliContext& c) {
                            if (c.editor.isEmpty())
                                return;
                            stampGeneratorKeepingSelection(c.editor);
                            c.editor.setModified(false);
                        }});
}
