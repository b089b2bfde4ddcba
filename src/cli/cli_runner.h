#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

// hexlume-cli without the process around it: arguments in, bytes and exit status out.
struct CliResult {
    int exitCode = 0;
    QByteArray standardOutput;
    QByteArray standardError;
};

// readStandardInput is called only when the document comes from standard input.
CliResult runCli(const QStringList& arguments,
                 const std::function<QByteArray()>& readStandardInput);
