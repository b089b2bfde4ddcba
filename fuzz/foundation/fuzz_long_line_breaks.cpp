// Breaking long lines inserts nothing but line breaks, each after white space in a tag or before
// a ">" that follows no "/", and breaking the result again finds nothing more to do.

#include "foundation/markup/long_line_breaks.h"
#include "fuzz_input.h"

#include <cstdint>

namespace {

const char16_t* const Pieces[] = {u"<p class=\"a b\">",
                                  u"</p>",
                                  u"<script>",
                                  u"</script>",
                                  u"<!--",
                                  u"-->",
                                  u"<pre>",
                                  u"</pre>",
                                  u"<textarea>",
                                  u"</textarea>",
                                  u" title='x >y'",
                                  u"<br/>",
                                  u"<img src=a/>",
                                  u"<style>",
                                  u"</style >",
                                  u"<!DOCTYPE html>",
                                  u"<?x ?>",
                                  u"<![CDATA[",
                                  u"]]>",
                                  u" = ",
                                  u"<a\thref=x\n>",
                                  u"</a >",
                                  u"<td {{ x }}>",
                                  u"<script><!--<script>"};

bool isTagSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const qsizetype limit = 1 + data[0] % 64;
    const QString text = textFromPieces(data + 1, size - 1, Pieces);
    const LongLineBreaking result = breakLongLines(text, limit);

    QString restored;
    qsizetype copied = 0;
    for (size_t k = 0; k < result.insertedAt.size(); ++k) {
        const qsizetype at = result.insertedAt[k];
        check(at > copied);
        check(result.text.sliced(at, 2) == u"\r\n");
        const qsizetype original = at - 2 * qsizetype(k);
        check(isTagSpace(text[original - 1]) ||
              (text[original] == u'>' && text[original - 1] != u'/'));
        restored += QStringView(result.text).sliced(copied, at - copied);
        copied = at + 2;
    }
    restored += QStringView(result.text).sliced(copied);
    check(restored == text);
    check(breakLongLines(result.text, limit).insertedAt.empty());
    return 0;
}
