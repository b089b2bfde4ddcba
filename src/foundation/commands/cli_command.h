#pragma once

#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/messages/scripted_prompter.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class EditorBuffer;
class MessageTable;

// What a command works on when run from the shell. Each feature hands its commands to
// hexlume-cli's list through a function of its own (add...Commands).
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

// What a run of hexlume-cli gives back: exit status and the bytes of both output streams.
struct CliResult {
    int exitCode = 0;
    QByteArray standardOutput;
    QByteArray standardError;
};
