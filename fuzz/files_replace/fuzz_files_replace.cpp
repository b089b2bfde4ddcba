// Searching and replacing in arbitrary file bytes: never crashes, finds every match that does
// not overlap the one before it (checked against a character-by-character scan), and the new
// bytes read back as the text with the matches replaced, line for line.

#include "features/files_replace/files_search.h"
#include "foundation/document/document_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// Search and replacement texts from a few characters that meet the word rules in every way.
QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t alphabet[] = {u'a', u'b', u'A', u'_', u' ', u'[', 0xE4, 0x20AC, 0x151};
    QString text;
    for (size_t i = 0; i < size; ++i)
        text += QChar(alphabet[data[i] % std::size(alphabet)]);
    return text;
}

bool isWordCharacter(QChar c) {
    return (c.unicode() >= 65 && c.unicode() <= 122) || (c.unicode() >= 48 && c.unicode() <= 57);
}

QChar folded(QChar c, bool caseSensitive) {
    return !caseSensitive && c.unicode() >= 'A' && c.unicode() <= 'Z' ? QChar(c.unicode() + 32) : c;
}

// The plainest scan: at each position the search either matches (and the scan jumps past it)
// or the scan moves on by one.
QList<qsizetype> scannedMatches(const QString& text, const FilesSearchOptions& o) {
    QList<qsizetype> starts;
    const qsizetype m = o.search.size();
    for (qsizetype i = 0; i + m <= text.size();) {
        bool match = true;
        for (qsizetype k = 0; k < m && match; ++k)
            match = folded(text[i + k], o.caseSensitive) == folded(o.search[k], o.caseSensitive);
        if (match && o.wholeWord)
            match = (i == 0 || !isWordCharacter(text[i - 1])) &&
                    (i + m == text.size() || !isWordCharacter(text[i + m]));
        if (!match) {
            ++i;
            continue;
        }
        starts.append(i);
        if (!o.all)
            break;
        i += m;
    }
    return starts;
}

QString withFinalBreak(const LoadedDocument& document) {
    return document.format.finalLineBreak ? document.text + QStringLiteral("\r\n") : document.text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const uint8_t flags = data[0];
    const size_t searchLength = 1 + data[1] % 3;
    const size_t replaceLength = data[2] % 4;
    if (size < 3 + searchLength + replaceLength)
        return 0;
    FilesSearchOptions options;
    options.caseSensitive = flags & 1;
    options.wholeWord = flags & 2;
    options.all = flags & 4;
    options.searchOnly = flags & 8;
    options.search = textFrom(data + 3, searchLength);
    options.replace = textFrom(data + 3 + searchLength, replaceLength);
    const size_t head = 3 + searchLength + replaceLength;
    const QByteArray bytes(reinterpret_cast<const char*>(data + head), qsizetype(size - head));

    const BytesReplacement result = searchReplaceInBytes(bytes, options);
    const std::optional<LoadedDocument> document = decodeDocument(bytes);
    check(result.decodable == document.has_value());
    if (!document)
        return 0;
    const QList<qsizetype> starts = filesMatchStarts(document->text, options);
    check(result.matches == starts.size());
    check(starts == scannedMatches(document->text, options));
    if (result.unencodable) {
        // Only a code page lacks characters, and then the file is left as it was.
        check(!result.changed && document->format.encoding == TextEncoding::Ansi &&
              decodeWindows1252(encodeWindows1252(options.replace)) != options.replace);
        return 0;
    }
    if (options.searchOnly || !result.changed) {
        check(!result.changed);
        return 0;
    }

    const QString& replacement = options.replace;
    QString expected;
    qsizetype from = 0;
    for (const qsizetype start : starts) {
        expected += QStringView(document->text).sliced(from, start - from);
        expected += replacement;
        from = start + options.search.size();
    }
    expected += QStringView(document->text).sliced(from);
    if (document->format.finalLineBreak)
        expected += QStringLiteral("\r\n");

    const std::optional<LoadedDocument> after = decodeDocument(result.bytes);
    // Code-page bytes may read as UTF-8, or begin like a byte-order mark, once a match is
    // gone; the editor's own save of that text gives the same bytes.
    if (!after || after->format.encoding != document->format.encoding ||
        after->format.byteOrderMark != document->format.byteOrderMark) {
        check(document->format.encoding == TextEncoding::Ansi ||
              (after && after->format.byteOrderMark && !document->format.byteOrderMark));
        return 0;
    }
    check(withFinalBreak(*after) == expected);
    return 0;
}
