#include "cli/cli_files_replace.h"

CliResult runFilesReplace(const QStringList& arguments) {
    (void)arguments;
    return {2, {}, "hexlume-cli: files-replace is not available\n"};
}
