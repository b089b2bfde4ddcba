// Reading arbitrary bytes as a document: never crashes, and writing the document back gives
// the same bytes, except that the breaks of a file with mixed breaks all become CR LF.

#include "foundation/document/document_file.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// An oracle on the raw bytes, independent of the decoder: the code units of the file with every
// CR LF, lone CR and lone LF written as CR LF.
QByteArray withCrLfBreaks(const QByteArray& bytes, int markBytes, int unitBytes, bool bigEndian) {
    auto unitAt = [&](qsizetype i) -> char16_t {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData()) + i;
        if (unitBytes == 1)
            return p[0];
        return bigEndian ? char16_t((p[0] << 8) | p[1]) : char16_t((p[1] << 8) | p[0]);
    };
    auto appendUnit = [&](QByteArray& out, char16_t u) {
        if (unitBytes == 1) {
            out.append(char(u));
        } else if (bigEndian) {
            out.append(char(u >> 8)).append(char(u & 0xFF));
        } else {
            out.append(char(u & 0xFF)).append(char(u >> 8));
        }
    };
    QByteArray out = bytes.left(markBytes);
    for (qsizetype i = markBytes; i < bytes.size(); i += unitBytes) {
        const char16_t u = unitAt(i);
        if (u == u'\r' || u == u'\n') {
            if (u == u'\r' && i + unitBytes < bytes.size() && unitAt(i + unitBytes) == u'\n')
                i += unitBytes;
            appendUnit(out, u'\r');
            appendUnit(out, u'\n');
        } else {
            appendUnit(out, u);
        }
    }
    return out;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    check(encodeWindows1252(decodeWindows1252(bytes)) == bytes);

    const std::optional<LoadedDocument> doc = decodeDocument(bytes);
    if (!doc) {
        // Only an odd length after a UTF-16 mark is unreadable.
        check(size >= 2 && size % 2 == 1 &&
              ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF)));
        return 0;
    }

    const DocumentFormat& f = doc->format;
    const QByteArray written = encodeDocument(doc->text, f);
    if (f.lineBreaks != LineBreakStyle::CrLf) {
        check(written == bytes);
    } else {
        const bool utf16 =
            f.encoding == TextEncoding::Utf16LE || f.encoding == TextEncoding::Utf16BE;
        const int markBytes = !f.byteOrderMark ? 0 : utf16 ? 2 : 3;
        check(written ==
              withCrLfBreaks(bytes, markBytes, utf16 ? 2 : 1, f.encoding == TextEncoding::Utf16BE));
    }

    // Reading what was written gives the same document again.
    const std::optional<LoadedDocument> again = decodeDocument(written);
    check(again && again->text == doc->text && again->format == f);

    for (TextEncoding e :
         {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        const QByteArray encoded = encodeTextAs(doc->text, e, true);
        // UTF-16 keeps every code unit, lone surrogates included.
        if (e == TextEncoding::Utf16LE || e == TextEncoding::Utf16BE) {
            const std::optional<LoadedDocument> back = decodeDocument(encoded);
            check(back.has_value());
            const QString restored =
                back->format.finalLineBreak ? back->text + QStringLiteral("\r\n") : back->text;
            check(restored == doc->text);
        }
    }
    const QByteArray copy = textCopyBytes(doc->text);
    check(doc->text.isEmpty() ? copy.isEmpty() : copy.endsWith("\r\n"));
    return 0;
}
