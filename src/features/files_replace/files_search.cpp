#include "features/files_replace/files_search.h"

#include "features/files_replace/replace_record.h"
#include "foundation/document/document_file.h"
#include "foundation/text/case_rules.h"

#include <algorithm>
#include <cstring>

namespace {

// "A" to "z" takes in the six signs between the letter ranges, "_" among them.
bool isWordCharacter(char16_t c) {
    return (c >= 65 && c <= 122) || (c >= 48 && c <= 57);
}

bool isWholeWordAt(QStringView text, qsizetype at, qsizetype length) {
    if (at > 0 && isWordCharacter(text[at - 1].unicode()))
        return false;
    const qsizetype after = at + length;
    return after >= text.size() || !isWordCharacter(text[after].unicode());
}

FileOutcome failed(FileOutcome::Failure kind, const QString& reason, int matches = 0) {
    FileOutcome outcome;
    outcome.failure = kind;
    outcome.reason = reason;
    outcome.matches = matches;
    return outcome;
}

// Walks a file's bytes alongside the offsets of its decoded text, where every line break
// (CR LF, lone CR, lone LF) counts as the two characters CR LF.
class ByteWalker {
public:
    ByteWalker(const QByteArray& bytes, const DocumentFormat& format)
        : m_data(reinterpret_cast<const unsigned char*>(bytes.constData())), m_size(bytes.size()),
          m_encoding(format.encoding) {
        // The code-page fallback decodes the whole file, a mark-like start included.
        if (format.byteOrderMark && m_encoding == TextEncoding::Utf8)
            m_byte = 3;
        else if (m_encoding == TextEncoding::Utf16LE || m_encoding == TextEncoding::Utf16BE)
            m_byte = format.byteOrderMark ? 2 : 0;
    }

    qsizetype byte() const { return m_byte; }

    // False when the text offset falls inside a character or a line break.
    bool advanceTo(qsizetype target) {
        while (m_offset < target) {
            if (m_byte >= m_size)
                return false;
            const Unit u = unitAt(m_byte);
            m_byte += u.bytes;
            m_afterLoneCr = false;
            if (u.value == u'\r') {
                m_offset += 2;
                m_afterLoneCr = true;
                if (m_byte < m_size) {
                    const Unit next = unitAt(m_byte);
                    if (next.value == u'\n') {
                        m_byte += next.bytes;
                        m_afterLoneCr = false;
                    }
                }
            } else if (u.value == u'\n') {
                m_offset += 2;
            } else {
                m_offset += u.units;
            }
        }
        return m_offset == target;
    }

    // The last unit passed was a CR on its own.
    bool afterLoneCr() const { return m_afterLoneCr; }
    bool atLineFeed() const { return m_byte < m_size && unitAt(m_byte).value == u'\n'; }

private:
    struct Unit {
        char16_t value; // enough to tell a line break
        int bytes;
        int units;
    };

    Unit unitAt(qsizetype at) const {
        const unsigned char b = m_data[at];
        switch (m_encoding) {
        case TextEncoding::Ansi:
            return {b, 1, 1};
        case TextEncoding::Utf16LE:
            return {at + 1 < m_size ? char16_t(b | (m_data[at + 1] << 8)) : char16_t(b), 2, 1};
        case TextEncoding::Utf16BE:
            return {at + 1 < m_size ? char16_t((b << 8) | m_data[at + 1]) : char16_t(b), 2, 1};
        case TextEncoding::Utf8:
            break;
        }
        // The decoder has accepted the bytes as UTF-8, so the lead byte tells the length.
        if (b < 0x80)
            return {b, 1, 1};
        if (b < 0xE0)
            return {0xFFFF, 2, 1};
        if (b < 0xF0)
            return {0xFFFF, 3, 1};
        return {0xFFFF, 4, 2};
    }

    const unsigned char* m_data;
    qsizetype m_size;
    TextEncoding m_encoding;
    qsizetype m_byte = 0;
    qsizetype m_offset = 0;
    bool m_afterLoneCr = false;
};

// The file's bytes with every match replaced; `changed` stays false when every match already
// held exactly the replacement's bytes.
QByteArray splicedBytes(const QByteArray& bytes, const LoadedDocument& document,
                        const QList<qsizetype>& starts, qsizetype matchLength,
                        const QString& replacement, bool& changed) {
    const DocumentFormat& f = document.format;
    const QByteArray inserted = encodeDocument(
        replacement, DocumentFormat{f.encoding, false, f.lineBreaks, /*finalLineBreak=*/false});
    changed = false;
    QByteArray out;
    out.reserve(bytes.size() + starts.size() * std::max<qsizetype>(0, inserted.size()));
    ByteWalker walker(bytes, f);
    qsizetype copied = 0;
    bool followed = true;
    // The bytes written so far end in a lone CR; deleted matches side by side carry it on.
    bool endsInLoneCr = false;
    for (const qsizetype start : starts) {
        if (!walker.advanceTo(start)) {
            followed = false;
            break;
        }
        const qsizetype from = walker.byte();
        if (from > copied)
            endsInLoneCr = walker.afterLoneCr();
        if (!inserted.isEmpty())
            endsInLoneCr = false; // a replacement holds no line break
        if (!walker.advanceTo(start + matchLength) ||
            // A CR and an LF brought together would read as one line break, not two.
            (endsInLoneCr && walker.atLineFeed())) {
            followed = false;
            break;
        }
        const qsizetype to = walker.byte();
        if (QByteArrayView(bytes).sliced(from, to - from) != QByteArrayView(inserted))
            changed = true;
        out.append(QByteArrayView(bytes).sliced(copied, from - copied));
        out.append(inserted);
        copied = to;
    }
    if (followed) {
        out.append(QByteArrayView(bytes).sliced(copied));
        return out;
    }
    // Rare: the text is written as the editor writes it, line breaks in the file's style.
    QString text;
    text.reserve(document.text.size());
    qsizetype from = 0;
    for (const qsizetype start : starts) {
        text.append(QStringView(document.text).sliced(from, start - from));
        text.append(replacement);
        from = start + matchLength;
    }
    text.append(QStringView(document.text).sliced(from));
    changed = text != document.text;
    return encodeDocument(text, f);
}

inline unsigned char foldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Outside UTF-16 every ASCII byte of a file stands for that very character and no other byte
// gives an ASCII character, so an ASCII search text absent from the bytes cannot be found in
// the text: most files of a run are then done without decoding them. False only when surely
// absent; a pattern that makes the candidate checks costly gives up and lets the text search
// decide, so the work stays linear.
bool mayOccur(const QByteArray& bytes, const QString& search, bool caseSensitive) {
    const qsizetype m = search.size();
    const qsizetype n = bytes.size();
    if (n >= 2 && ((uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE) ||
                   (uchar(bytes[0]) == 0xFE && uchar(bytes[1]) == 0xFF)))
        return true;
    QByteArray needle(m, Qt::Uninitialized);
    for (qsizetype i = 0; i < m; ++i) {
        const char16_t c = search[i].unicode();
        if (c >= 0x80)
            return true;
        needle[i] = char(caseSensitive ? c : foldAscii(uchar(c)));
    }
    if (m > n)
        return false;
    const char* h = bytes.constData();
    if (caseSensitive)
        return ::memmem(h, size_t(n), needle.constData(), size_t(m)) != nullptr;

    const char* end = h + (n - m + 1); // candidates begin before it
    const char lower = needle[0];
    const bool letter = lower >= 'a' && lower <= 'z';
    const char upper = letter ? char(lower - 32) : lower;
    auto next = [end](const char* from, char c) -> const char* {
        return from < end ? static_cast<const char*>(std::memchr(from, c, size_t(end - from)))
                          : nullptr;
    };
    const char* atLower = next(h, lower);
    const char* atUpper = letter ? next(h, upper) : nullptr;
    qsizetype budget = 4 * n + 64;
    while (atLower || atUpper) {
        const bool fromLower = atLower && (!atUpper || atLower < atUpper);
        const char* at = fromLower ? atLower : atUpper;
        qsizetype k = 1;
        while (k < m && foldAscii(uchar(at[k])) == uchar(needle[k]))
            ++k;
        if (k == m)
            return true;
        budget -= k;
        if (budget < 0)
            return true;
        if (fromLower)
            atLower = next(at + 1, lower);
        else
            atUpper = next(at + 1, upper);
    }
    return false;
}

} // namespace

bool isUsableSearchText(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n')
            return false;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= text.size() || !QChar::isLowSurrogate(text[i + 1].unicode()))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

qsizetype findMatch(QStringView text, QStringView search, bool caseSensitive, bool wholeWord,
                    qsizetype start) {
    if (search.isEmpty())
        return -1;
    const CaseRule rule = caseSensitive ? CaseRule::Exact : CaseRule::Ascii;
    qsizetype from = std::max<qsizetype>(start, 1) - 1;
    for (;;) {
        const qsizetype at = indexOfFolded(text, search, from, rule);
        if (at < 0)
            return -1;
        if (!wholeWord || isWholeWordAt(text, at, search.size()))
            return at + 1;
        from = at + 1;
    }
}

QList<qsizetype> filesMatchStarts(QStringView text, const FilesSearchOptions& options) {
    QList<qsizetype> starts;
    const qsizetype length = options.search.size();
    // 1-based, as the positions findMatch returns.
    qsizetype position = 1;
    while (position <= text.size()) {
        const qsizetype found =
            findMatch(text, options.search, options.caseSensitive, options.wholeWord, position);
        if (found < 0)
            break;
        starts.append(found - 1);
        if (!options.all)
            break;
        position = found + length;
    }
    return starts;
}

BytesReplacement searchReplaceInBytes(const QByteArray& bytes, const FilesSearchOptions& options) {
    BytesReplacement result;
    if (!options.search.isEmpty() && !mayOccur(bytes, options.search, options.caseSensitive)) {
        result.decodable = true;
        return result;
    }
    const std::optional<LoadedDocument> document = decodeDocument(bytes);
    if (!document)
        return result;
    result.decodable = true;
    const QList<qsizetype> starts = filesMatchStarts(document->text, options);
    result.matches = int(starts.size());
    if (options.searchOnly || starts.isEmpty())
        return result;
    result.unencodable = firstUnencodableCharacter(options.replace, document->format.encoding);
    if (result.unencodable)
        return result;
    result.bytes = splicedBytes(bytes, *document, starts, options.search.size(), options.replace,
                                result.changed);
    return result;
}

FileOutcome searchReplaceInFile(const QString& path, const FilesSearchOptions& options,
                                FilesRunMemory* memory) {
    const RegularFileRead read = readRegularFile(path);
    if (read.status == RegularFileRead::Status::NotRegular)
        return failed(FileOutcome::Failure::Skipped, read.reason);
    if (read.status != RegularFileRead::Status::Read)
        return failed(FileOutcome::Failure::Read, read.reason);
    FileOutcome outcome;
    if (memory) {
        if (memory->seen.contains(read.key)) {
            outcome.seenBefore = true;
            return outcome;
        }
        memory->seen.insert(read.key);
    }
    const BytesReplacement replaced = searchReplaceInBytes(read.bytes, options);
    if (!replaced.decodable)
        return failed(FileOutcome::Failure::Read,
                      QStringLiteral("UTF-16 text with an odd number of bytes"));
    outcome.matches = replaced.matches;
    if (replaced.unencodable) {
        const char32_t c = QStringView(options.replace).sliced(*replaced.unencodable).toUcs4()[0];
        return failed(FileOutcome::Failure::Write,
                      QStringLiteral("the file's encoding cannot hold U+") +
                          QString::number(uint(c), 16).toUpper().rightJustified(4, u'0') +
                          QStringLiteral(" of the replacement; the file is left as it was"),
                      outcome.matches);
    }
    if (!replaced.changed)
        return outcome;
    QString reason;
    if (memory && memory->record && !memory->record->keep(path, read.bytes, replaced.bytes, reason))
        return failed(FileOutcome::Failure::Write, reason, outcome.matches);
    if (!overwriteInPlace(path, read.key, replaced.bytes, read.bytes, reason))
        return failed(FileOutcome::Failure::Write, reason, outcome.matches);
    outcome.rewritten = true;
    return outcome;
}
