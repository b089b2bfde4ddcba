#include "cli/cli_runner.h"

int main() {
    return runCli({}, {}).exitCode;
}
