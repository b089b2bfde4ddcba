#pragma once

#include <QByteArray>
#include <QStringList>

// hexlume-cli without the process around it: arguments in, bytes and exit status out.
struct CliResult {
    int exitCode = 0;
    QByteArray standardOutput;
    QByteArray standardError;
};

CliResult runCli(const QStringList& arguments, const QByteArray& standardInput);
