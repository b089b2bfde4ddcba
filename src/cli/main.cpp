#include "cli/cli_runner.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();

    const CliResult result = runCli(arguments, [] {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly))
            return QByteArray();
        return in.readAll();
    });
    std::fwrite(result.standardOutput.constData(), 1, result.standardOutput.size(), stdout);
    std::fwrite(result.standardError.constData(), 1, result.standardError.size(), stderr);
    return result.exitCode;
}
