// Removing hyphenation from any text ends, and deletes nothing but the hyphens it counts.

#include "features/text_transforms/hyphenation.h"
#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const HyphenRemoval r = removeHyphenation(text);
    check(r.text.size() + r.count == text.size());
    check((r.count == 0) == (r.lastRemoved < 0));
    // The result is the text with `count` hyphens taken out, each before a letter a-z.
    qsizetype k = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (k < r.text.size() && r.text[k] == text[i]) {
            ++k;
            continue;
        }
        check(text[i] == QLatin1Char('-') && i + 1 < text.size() &&
              text[i + 1] >= QLatin1Char('a') && text[i + 1] <= QLatin1Char('z'));
    }
    check(k == r.text.size());
    if (r.count > 0)
        check(r.lastRemoved <= r.text.size() && r.text[r.lastRemoved] >= QLatin1Char('a'));
    return 0;
}
