#pragma once

#include "app/command_context.h"
#include "app/document_file.h"
#include "app/scripted_prompter.h"

#include <QString>

#include <functional>
#include <vector>

class EditorBuffer;
class MessageTable;

// What a command works on when run from the shell.
struct CliContext {
    EditorBuffer& editor;
    ScriptedPrompter& prompter;
    const MessageTable& messages;
    DocumentFormat& format;

    CommandContext command() const { return {editor, prompter, messages}; }
};

struct CliCommand {
    QString name;
    QString summary;
    std::function<void(CliContext&)> run;
    // False for a command that makes its document itself (new): FILE is not read.
    bool readsDocument = true;
};

// The command groups, each beside its area's commands (cli_<area>_commands.cpp).
void addWrapCommands(std::vector<CliCommand>& commands);
void addTableCommands(std::vector<CliCommand>& commands);
void addTransformCommands(std::vector<CliCommand>& commands);
void addCodeCheckCommands(std::vector<CliCommand>& commands);
void addDocumentCommands(std::vector<CliCommand>& commands);
void addEntityCommands(std::vector<CliCommand>& commands);

// Every command hexlume-cli knows, in the order --help lists them.
const std::vector<CliCommand>& cliCommands();
const CliCommand* findCliCommand(const QString& name);
