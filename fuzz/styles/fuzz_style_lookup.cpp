// The style command's placement and the DIV dialog's look-ups on random pages: never crash,
// and give what a plain, slow reading of their rules gives.

#include "features/styles/css_markup.h"
#include "features/styles/div_markup.h"
#include "foundation/document/memory_buffer.h"
#include "fuzz_input.h"

#include <cstdint>

namespace {

QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {
        u"<style", u"</style>", u"<STYLE>", u"</Style>", u"</head>", u"</HEAD>", u"{",      u"}",
        u".a",     u"#a",       u"\r\n",    u"<style>",  u"\u0131",  u"\u00e9",  u"\u00c9", u"<"};
    return textFromPieces(data, size, pieces);
}

bool sameIgnoringCase(QChar a, QChar b, bool asciiOnly) {
    if (asciiOnly) {
        auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
        return fold(a.unicode()) == fold(b.unicode());
    }
    return QChar::toUpper(a.unicode()) == QChar::toUpper(b.unicode());
}

qsizetype slowFind(const QString& text, const QString& pattern, qsizetype from, bool asciiOnly) {
    for (qsizetype i = from; i + pattern.size() <= text.size(); ++i) {
        qsizetype k = 0;
        while (k < pattern.size() && sameIgnoringCase(text[i + k], pattern[k], asciiOnly))
            ++k;
        if (k == pattern.size())
            return i;
    }
    return -1;
}

QString slowBlocks(const QString& text) {
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype open = slowFind(text, QStringLiteral("<style"), from, false);
        if (open < 0)
            return out;
        const qsizetype close = slowFind(text, QStringLiteral("</style>"), open + 6, false);
        if (close < 0)
            return out;
        from = close + 8;
        out += text.mid(open, from - open) + QStringLiteral("\r\n");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const QString page = textFrom(data + 2, size - 2);
    if (page.size() <= 4000)
        check(collectStyleBlocks(page) == slowBlocks(page));

    // A name taken from the page itself, so rules are found as often as not.
    const QString name = page.mid(data[0] % (page.size() + 1), data[1] % 8);
    const QString rule = findStyleRule(page, name);
    const qsizetype at = page.indexOf(name);
    const qsizetype brace = at < 0 ? -1 : page.indexOf(QLatin1Char('}'), at);
    check(rule == (brace < 0 ? QString() : page.mid(at, brace - at + 1)));
    const QString cleaned = cleanSelectorName(name);
    check(cleaned.size() >= trimBlanks(name).size() - 2);

    DivFields fields{name, name, name, name};
    const DivSpanTags tags =
        composeDivSpanTags(fields, data[0] & 1 ? DivSpanTag::Span : DivSpanTag::Div);
    check(tags.openingTag.endsWith(QLatin1Char('>')));

    MemoryBuffer editor(page);
    const int length = int(editor.text().size());
    editor.setSelStart(length ? data[1] * length / 255 : 0);
    const QString before = editor.text();
    const int caret = editor.selStart();
    insertStyleElement(editor, QStringLiteral("S"));
    const qsizetype head = slowFind(before, QStringLiteral("</head>"), 0, true);
    const qsizetype where = head < 0 ? caret : head;
    check(editor.text() == before.left(where) + QStringLiteral("\r\nS\r\n") + before.mid(where));
    return 0;
}
