#include "editor/wrap_limits.h"

#include <cstring>

bool WrapLimits::exceededBy(QByteArrayView text) const {
    if (text.size() > documentBytes)
        return true;
    const char* end = text.data() + text.size();
    for (const char* line = text.data(); line < end;) {
        const auto* feed = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
        const char* lineEnd = feed ? feed : end;
        if (lineEnd - line > lineBytes)
            return true;
        line = lineEnd + 1;
    }
    return false;
}
