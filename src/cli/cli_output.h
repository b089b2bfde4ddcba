#pragma once

#include "foundation/commands/cli_command.h"

#include <cstdio>

// Writes the result's document to `out` and its messages to `err`, and returns the exit status.
// A document that cannot be written whole (a full disk, /dev/full, a closed pipe) is an error
// of its own: a message on `err` and status 1.
int writeCliResult(const CliResult& result, std::FILE* out, std::FILE* err);
