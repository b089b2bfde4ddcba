#pragma once

#include "app/document_file.h"

#include <QString>

#include <functional>
#include <vector>

class EditorBuffer;
class MessageTable;
class ScriptedPrompter;

// What a command works on when run from the shell.
struct CliContext {
    EditorBuffer& editor;
    ScriptedPrompter& prompter;
    const MessageTable& messages;
    DocumentFormat& format;
};

struct CliCommand {
    QString name;
    QString summary;
    std::function<void(CliContext&)> run;
};

// Every command hexlume-cli knows, in the order --help lists them.
const std::vector<CliCommand>& cliCommands();
const CliCommand* findCliCommand(const QString& name);
