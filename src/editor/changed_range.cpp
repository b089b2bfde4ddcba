#include "editor/changed_range.h"

#include <algorithm>

namespace {

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// True when a cut before index i of text would split a character or a CR LF pair.
bool splitsSomething(QByteArrayView text, qsizetype i) {
    if (i <= 0 || i >= text.size())
        return false;
    return isContinuationByte(text[i]) || (text[i - 1] == '\r' && text[i] == '\n');
}

} // namespace

ChangedRange changedRange(QByteArrayView before, QByteArrayView after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    while (prefix > 0 && (splitsSomething(before, prefix) || splitsSomething(after, prefix)))
        --prefix;

    // The suffix may not reach into the prefix in either text.
    const qsizetype room = shorter - prefix;
    qsizetype suffix = 0;
    while (suffix < room && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    while (suffix > 0 && (splitsSomething(before, before.size() - suffix) ||
                          splitsSomething(after, after.size() - suffix)))
        --suffix;

    return {prefix, before.size() - suffix, after.size() - suffix};
}
