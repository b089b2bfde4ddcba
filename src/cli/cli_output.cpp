#include "cli/cli_output.h"

#include <cerrno>
#include <cstring>

int writeCliResult(const CliResult& result, std::FILE* out, std::FILE* err) {
    const QByteArray& document = result.standardOutput;
    errno = 0;
    const size_t written = std::fwrite(document.constData(), 1, size_t(document.size()), out);
    // Buffered bytes fail only when flushed.
    const bool whole = written == size_t(document.size()) && std::fflush(out) == 0;
    const int code = errno;
    std::fwrite(result.standardError.constData(), 1, size_t(result.standardError.size()), err);
    if (whole)
        return result.exitCode;
    std::fprintf(err, "hexlume-cli: cannot write the output: %s\n",
                 std::strerror(code ? code : EIO));
    std::fflush(err);
    return result.exitCode != 0 ? result.exitCode : 1;
}
