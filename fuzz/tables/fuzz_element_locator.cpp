// The element locator on random markup with a random caret: never crashes, never reads outside
// the text, always selects inside it, and gives exactly what the reference model gives (a
// plain, slow rendering of its steps, on small inputs).

#include "features/tables/element_locator.h"
#include "foundation/text/text_search.h"
#include "fuzz_input.h"
#include "reference_element_locator.h"

#include <QList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Bytes with the high bit set stand for pieces of table markup; the others are characters.
QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {
        u"<td>",    u"</td>", u"<TD ",    u"<tr>",   u"</TR>",   u"<table>", u"</table>",
        u"</table", u"<div>", u"</div>",  u"<span>", u"</span>", u"<form>",  u"</form>",
        u"<td",     u"</td",  u"<Table ", u"\r\n",   u">",       u"<"};
    return textFromPieces(data, size, pieces);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    static const ElementTags* const kinds[] = {&cellTags(), &rowTags(), &tableTags(),
                                               &formTags(), &divTags(), &spanTags()};
    const ElementTags& tags = *kinds[data[0] % 6];
    const QString built = textFrom(data + 2, size - 2);
    const int caret = int(data[1] % (built.size() + 1));

    // An exactly sized copy: a read past the end lands in the sanitizer's red zone.
    const qsizetype n = built.size();
    std::unique_ptr<char16_t[]> exact(new char16_t[size_t(qMax<qsizetype>(n, 1))]);
    std::copy(built.utf16(), built.utf16() + n, exact.get());
    const QStringView view(exact.get(), n);

    const ElementLocation got = locateEnclosingElement(view, caret, tags.openTag, tags.closeTag);
    if (got.outcome == ElementLocation::Outcome::Found) {
        check(got.start >= 1 && got.length > 0 && got.start + got.length <= n);
        check(matchesIgnoreAsciiCaseAt(view, got.start, tags.openTag));
    }
    // The reference model restarts its searches and copies the text; small inputs only.
    if (n <= 400) {
        const ElementLocation want = referenceLocate(built, caret, tags.openTag, tags.closeTag);
        check(got.outcome == want.outcome && got.start == want.start && got.length == want.length);
    }
    return 0;
}
