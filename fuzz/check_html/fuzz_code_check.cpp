// The whole code check on the editor buffer: never crashes, hangs or reads outside the text,
// keeps every script and style block, comment and quoted attribute value as it was, and gives
// the text, report and caret of the reference model, whose empty-element removal edits the
// editor through its selection one element at a time.

#include "features/check_html/code_check.h"
#include "features/check_html/empty_elements.h"
#include "features/check_html/tag_balance.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/scripted_prompter.h"
#include "fuzz_input.h"
#include "kept_texts.h"
#include "reference_code_check.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {u"<body>",
                                             u"<html>",
                                             u"</html>",
                                             u"<head>",
                                             u"</head>",
                                             u"</body>",
                                             u"<div",
                                             u"</div>",
                                             u"<span>",
                                             u"</span>",
                                             u"<SPAN ",
                                             u"<font>",
                                             u"</font>",
                                             u"<a href=x>",
                                             u"</a>",
                                             u"<h1>",
                                             u"</h1>",
                                             u"&nbsp",
                                             u"&nbsp;",
                                             u" ",
                                             u"\r\n",
                                             u"<",
                                             u">",
                                             u"=",
                                             u"\"",
                                             u"<b>",
                                             u"</b>",
                                             u"<td>",
                                             u"<tr",
                                             u"<table>",
                                             u"<!iv",
                                             u"<!d>",
                                             u"<script>",
                                             u"</script>",
                                             u"<meta name=generator content=x>",
                                             u"<!DOCTYPE html>",
                                             u"<!-- <DIV> -->",
                                             u"<!CheckThis>",
                                             u"=\"a > <B>\"",
                                             u"='<div>'",
                                             u"<style>/* <b> */</style>"};
    return textFromPieces(data, size, pieces);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MessageTable messages;
    MemoryBuffer fast(textFrom(data, size));
    // As the editor holds it: lines joined by CR LF.
    const QString text = fast.text();
    ScriptedPrompter prompter;
    checkHtml({fast, prompter, messages}, UiLanguage::English);
    check(fast.isModified() && prompter.messages().size() == 1);
    check(fast.selStart() >= 0 && fast.selStart() + fast.selLength() <= fast.text().size());
    // Before the generator element goes in, which rewrites a value by design.
    const CodeCheckOutcome outcome = checkHtmlText(text, messages);
    check(keptTexts::missing(text, outcome.text).isEmpty());
    // The reference model is quadratic; it judges the small inputs.
    if (text.size() > 600)
        return 0;

    for (const auto& kind : referenceCodeCheck::emptiedKinds()) {
        MemoryBuffer one(text);
        MemoryBuffer slow(text);
        check(removeEmptyElements(one, kind.first, kind.second) ==
              referenceCodeCheck::removeEmptyElements(slow, kind.first, kind.second));
        check(one.text() == slow.text() && one.selStart() == slow.selStart() &&
              one.selLength() == slow.selLength());
    }

    const referenceCodeCheck::WholeCheck model = referenceCodeCheck::checkHtmlText(text, messages);
    check(outcome.text == model.text && outcome.report == model.report &&
          outcome.emptyCount == model.emptyCount);
    MemoryBuffer slow(model.text);
    stampGeneratorElement(slow);
    check(fast.text() == slow.text());
    check(prompter.messages().first() == codeCheckReport(outcome, messages, UiLanguage::English));
    return 0;
}
