// Masking script and style blocks and restoring them in the callers' order gives every text
// back unchanged, and the masked text holds no complete block any more.

#include "foundation/markup/protected_blocks.h"
#include "foundation/text/case_rules.h"
#include "fuzz_input.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Whether a complete block of the marker pair is left in the text.
bool holdsBlock(const QString& text, QStringView open, QStringView close) {
    const qsizetype at = indexOfIgnoringCase(text, open);
    return at >= 0 && indexOfIgnoringCase(text, close, at + open.size()) >= 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    ProtectedBlockLists lists;
    const QString masked = maskScriptAndStyle(text, lists);
    check(restoreStyleAndScript(masked, lists) == text);
    check(!holdsBlock(masked, u"<script", u"</script>"));
    check(!holdsBlock(masked, u"<style", u"</style>"));

    // Each kind on its own, too.
    for (ProtectedKind kind : {ProtectedKind::Script, ProtectedKind::Style}) {
        QStringList saved;
        check(restoreProtectedBlocks(maskProtectedBlocks(text, kind, saved), kind, saved) == text);
    }
    return 0;
}
