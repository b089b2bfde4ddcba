#pragma once

#include "foundation/commands/cli_command.h"
#include "foundation/messages/ui_language.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

// hexlume-cli without the process around it: arguments in, bytes and exit status out.
// readStandardInput is called only when the document comes from standard input.
CliResult runCli(const QStringList& arguments,
                 const std::function<QByteArray()>& readStandardInput);

// What a run prints for the finished document: its bytes as Save As writes them and the
// messages shown. A text its code page cannot hold asks first; only "yes" writes it as UTF-8,
// otherwise nothing is written and the exit status is 1.
CliResult documentOutput(const QString& text, const DocumentFormat& format,
                         ScriptedPrompter& prompter, UiLanguage language);
