// correctMarkup on random markup: never crashes, hangs or reads outside the text, keeps every
// script and style block, comment and quoted attribute value as it was, and the whole rewrite
// with its report, and the subtlest steps on their own, give exactly what the reference model
// gives (on inputs small enough for it).

#include "features/check_html/attribute_quoting.h"
#include "features/check_html/correct_markup.h"
#include "features/check_html/markup_text.h"
#include "features/check_html/protected_texts.h"
#include "fuzz_input.h"
#include "kept_texts.h"
#include "reference_code_check.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A few of these reach past the 300 characters searched for the end of a value.
constexpr char16_t longRun[] =
    u"vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";

QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {u"<body",
                                             u"<BODY>",
                                             u"<html>",
                                             u"</html>",
                                             u"<head>",
                                             u"</head>",
                                             u"</body>",
                                             u"<div",
                                             u"</div>",
                                             u"<b>",
                                             u"</b>",
                                             u"<a ",
                                             u"</a>",
                                             u"<strong>",
                                             u"</strong>",
                                             u"<br>",
                                             u"<IMG SRC=",
                                             u"<hr",
                                             u"<inp",
                                             u"<td",
                                             u"</TD>",
                                             u"<tr>",
                                             u"=\"",
                                             u"=",
                                             u"\"",
                                             u" ",
                                             u"\r\n",
                                             u"<",
                                             u">",
                                             u"param",
                                             u"Param1",
                                             u"&nbsp;",
                                             u"&NBSP;",
                                             u"<!DOCTYPE HTML PUBLIC \"x\">",
                                             u"<script>",
                                             u"</script>",
                                             u"<style>",
                                             u"</style>",
                                             u"<!--\uFDD00\uFDD1-->",
                                             u"<!-- A > <B> -->",
                                             u"=\"a > B\"",
                                             u"='<I>'",
                                             u"\uFDD0",
                                             u"<a  href=",
                                             u"<u>",
                                             u"</u>",
                                             u"<i>",
                                             u"</i>",
                                             u"<o:p>",
                                             longRun};
    return textFromPieces(data, size, pieces);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = textFrom(data, size);
    const MessageTable messages;
    QString report;
    ProtectedTexts shield;
    MarkupText markup = correctMaskedMarkup(shield.mask(text), messages, report);
    // The bracket positions the later steps rely on followed every edit.
    check(markup.bracketsMatchText());
    const QString corrected = shield.restore(markup.takeText());
    check(keptTexts::missing(text, corrected).isEmpty());
    // The reference model is quadratic; it judges the small inputs.
    if (text.size() > 600)
        return 0;

    check(quoteAttributeValues(text) == referenceCodeCheck::quoteAttributes(text));
    check(joinLinesInsideTags(text) == referenceCodeCheck::joinLines(text));
    check(repairSkeleton(text) == referenceCodeCheck::repairSkeleton(text));
    QString slowReport;
    check(corrected == referenceCodeCheck::correctMarkup(text, messages, slowReport));
    check(report == slowReport);
    return 0;
}
