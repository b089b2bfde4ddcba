// Remove formatting and the document-type routines on random markup: never crash, never read
// outside the text, rewrite tags exactly as the step-by-step rules do and touch nothing but
// the element around the caret.

#include "features/remove_formatting/remove_format.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/text/case_rules.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {
        u"<b>",   u"</b>",      u"<B>",       u"<font",   u"</font>", u"<p style=",
        u"<p",    u"style=",    u"<p class=", u"</p>",    u"<span",   u"</SPAN>",
        u"<",     u">",         u"</",        u"\r\n",    u" ",       u"<h1>",
        u"<sup>", u"</strong>", u"<!DOCTYPE", u"</head>", u"<HEAD>",  u"<meta name=generator",
        u"x",     u"\u0131",    u"<i>",       u"<p<p"};
    return textFromPieces(data, size, pieces);
}

// The reference model of replaceOpeningTags: every search from the start of the changed text.
QString referenceReplaceOpeningTags(QString text, QStringView pattern) {
    const qsizetype originalLength = text.size();
    for (;;) {
        const qsizetype found = indexOfFolded(text, pattern, 0, CaseRule::Full);
        if (found < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('>'), found);
        if (close < 0)
            break;
        text.replace(found, close - found + 1, QStringLiteral(" "));
        if (close >= originalLength - 1)
            break;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // Through the editor first: its text has CR LF line breaks only.
    MemoryBuffer editor(textFrom(data + 2, size - 2));
    const QString built = editor.text();
    const qsizetype n = built.size();
    const int caret = n ? int((data[0] | data[1] << 8) % (n + 1)) : 0;

    // The pure functions read an exactly sized copy: a read past the end is caught.
    std::unique_ptr<char16_t[]> exact(new char16_t[size_t(qMax<qsizetype>(n, 1))]);
    std::copy(built.utf16(), built.utf16() + n, exact.get());
    const QString raw = QString::fromRawData(reinterpret_cast<const QChar*>(exact.get()), n);

    if (n < 3000)
        for (const FormattingFamily& family : formattingFamilies())
            check(replaceOpeningTags(raw, family.opening) ==
                  referenceReplaceOpeningTags(built, family.opening));

    const std::optional<ElementRange> element = elementAtCaret(raw, caret);
    if (element) {
        check(element->start >= 0 && element->start < caret && element->length > 0);
        check(element->start + element->length <= n);
        check(raw[element->start] == QLatin1Char('<'));
        check(raw[element->start + element->length - 1] == QLatin1Char('>'));
    }

    editor.setSelStart(caret);
    const int line = removeFormattingAtCaret(editor);
    const QString after = editor.text();
    check(line >= -1 && line < editor.lineCount());
    check(editor.selStart() >= 0 && editor.selStart() <= after.size());
    if (line >= 0)
        check(editor.caretLine() == line + 1 && editor.caretColumn() == 1);
    if (element) {
        const qsizetype tail = n - element->start - element->length;
        check(after.left(element->start) == built.left(element->start));
        check(after.right(tail) == built.right(tail));
        check(after.size() - tail - element->start <= element->length);
    } else {
        check(after == built);
    }

    const QString declaration = findDocType(raw);
    check(declaration.isEmpty() ||
          (declaration.startsWith(QLatin1String("<!"), Qt::CaseInsensitive) &&
           declaration.endsWith(QLatin1Char('>'))));
    MemoryBuffer stamped(built);
    stampGeneratorElement(stamped);
    check(stamped.text() == built || stamped.text().contains(generatorElement()));
    return 0;
}
