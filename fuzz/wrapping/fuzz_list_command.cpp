// The list command on random selections: never crashes, gives exactly what the step-by-step
// rules give (checked against a plain, slow rendering of them on small inputs), and replaces
// only the selection.

#include "features/wrapping/wrapping.h"
#include "foundation/document/memory_buffer.h"
#include "fuzz_input.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Bytes with the high bit set stand for pieces of list markup, so the fuzzer meets lists
// often; the others are characters, a few of them letters whose upper case is ASCII.
QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {u"<li>",
                                             u" </li>",
                                             u"</li>",
                                             u"<LI>",
                                             u"<Li>",
                                             u"<ul type=\"disc\">",
                                             u"<ol type=\"1\">",
                                             u"<UL",
                                             u"<ol",
                                             u"</ul>",
                                             u"</OL>",
                                             u"\r\n",
                                             u"  ",
                                             u"<",
                                             u">",
                                             u"\u0131",
                                             u"\u00e9",
                                             u"\u00c9",
                                             u"<li> </li>\r\n",
                                             u"<li></li>\r\n",
                                             u"\r",
                                             u"\n"};
    return textFromPieces(data, size, pieces, true);
}

bool matchesAt(const QString& text, qsizetype at, const QString& pattern) {
    for (qsizetype k = 0; k < pattern.size(); ++k)
        if (QChar::toUpper(text[at + k].unicode()) != QChar::toUpper(pattern[k].unicode()))
            return false;
    return true;
}

// Every occurrence ignoring case, left to right, without searching the result again.
QString referenceRemoveAll(const QString& text, const QString& pattern) {
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        if (i + pattern.size() <= text.size() && matchesAt(text, i, pattern)) {
            i += pattern.size();
        } else {
            out += text[i];
            ++i;
        }
    }
    return out;
}

bool referenceContains(const QString& text, const QString& pattern) {
    for (qsizetype i = 0; i + pattern.size() <= text.size(); ++i)
        if (matchesAt(text, i, pattern))
            return true;
    return false;
}

QString referenceListReplacement(QString s, ListKind kind) {
    if (referenceContains(s, QStringLiteral("<li>"))) {
        s = referenceRemoveAll(s, QStringLiteral("<li>"));
        s = referenceRemoveAll(s, QStringLiteral(" </li>"));
        const QString t = firstTagOf(s);
        const QString h = t.left(3).toLower();
        if (h == QLatin1String("<ul") || h == QLatin1String("<ol"))
            s = referenceRemoveAll(s, t);
        if (h == QLatin1String("<ul"))
            s = referenceRemoveAll(s, QStringLiteral("</ul>"));
        if (h == QLatin1String("<ol"))
            s = referenceRemoveAll(s, QStringLiteral("</ol>"));
        return s;
    }
    const QString open = kind == ListKind::Ordered ? QStringLiteral("<ol type=\"1\">")
                                                   : QStringLiteral("<ul type=\"disc\">");
    const QString close =
        kind == ListKind::Ordered ? QStringLiteral("</ol>") : QStringLiteral("</ul>");
    if (s.isEmpty())
        return open + QStringLiteral("\r\n<li></li>\r\n") + close;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("</li>\r\n<li>"));
    s = open + QStringLiteral("\r\n<li>") + s + QStringLiteral(" </li>\r\n") + close;
    s = referenceRemoveAll(s, QStringLiteral("<li> </li>\r\n"));
    s = referenceRemoveAll(s, QStringLiteral("<li></li>\r\n"));
    while (s.contains(QStringLiteral("  ")))
        s.replace(QStringLiteral("  "), QStringLiteral(" "));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const ListKind kind = data[0] & 1 ? ListKind::Ordered : ListKind::Unordered;
    MemoryBuffer editor(textFrom(data + 3, size - 3));
    const QString before = editor.text();
    const int length = int(before.size());
    // The editor never puts a selection end between the CR and the LF of a line break.
    auto position = [&](uint8_t byte) {
        int p = length ? byte * length / 255 : 0;
        if (p > 0 && p < length && before[p - 1] == u'\r' && before[p] == u'\n')
            --p;
        return p;
    };
    editor.select(position(data[1]), position(data[2]));
    const int start = editor.selStart();
    const QString selected = editor.selText();

    toggleList(editor, kind);

    // A blank selection stays in place and an empty list goes in front of it.
    const bool blank =
        selected.size() > 0 &&
        std::all_of(selected.begin(), selected.end(), [](QChar c) { return c.unicode() <= 0x20; });
    const QString replaced = blank ? QString() : selected;
    const QString expected = listReplacement(replaced, kind);
    check(editor.text() == before.left(start) + expected + before.mid(start + replaced.size()));
    check(editor.caretOffset() == start + expected.size());
    if (selected.size() <= 2000)
        check(expected == referenceListReplacement(replaced, kind));
    return 0;
}
