#include "foundation/document/document_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Windows-1252 0x80-0x9F. The five bytes the code page leaves undefined map to the C1 control
// of the same number so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline char16_t cp1252ToUnicode(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : char16_t(b);
}

// -1 when the character has no byte in the code page.
int unicodeToCp1252(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kCp1252High.size()); ++i) {
        if (kCp1252High[i] == u)
            return 0x80 + i;
    }
    return -1;
}

inline bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
inline bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// ---- decoding -----------------------------------------------------------------------------

// Receives the decoded code units and turns every CR LF, lone CR and lone LF into CR LF while
// noting which break characters the file used. The buffer must be large enough (see
// decodedCapacity).
class BreakNormalizingWriter {
public:
    explicit BreakNormalizingWriter(char16_t* out) : m_begin(out), m_out(out) {}

    void put(char16_t c) {
        if (c > u'\r') {
            *m_out++ = c;
            m_previousCr = false;
        } else if (c == u'\r') {
            *m_out++ = u'\r';
            *m_out++ = u'\n';
            m_sawCr = true;
            m_previousCr = true;
        } else if (c == u'\n') {
            if (!m_previousCr) {
                *m_out++ = u'\r';
                *m_out++ = u'\n';
            }
            m_sawLf = true;
            m_previousCr = false;
        } else {
            *m_out++ = c;
            m_previousCr = false;
        }
    }

    qsizetype written() const { return m_out - m_begin; }
    void reset() {
        m_out = m_begin;
        m_sawCr = m_sawLf = m_previousCr = false;
    }

    LineBreakStyle style() const {
        if (m_sawCr && !m_sawLf)
            return LineBreakStyle::Cr;
        if (m_sawLf && !m_sawCr)
            return LineBreakStyle::Lf;
        return LineBreakStyle::CrLf;
    }

private:
    char16_t* m_begin;
    char16_t* m_out;
    bool m_sawCr = false;
    bool m_sawLf = false;
    bool m_previousCr = false;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. Stops at the first
// invalid sequence and returns false.
bool decodeUtf8(const unsigned char* p, const unsigned char* end, BreakNormalizingWriter& w) {
    while (p < end) {
        const unsigned char b0 = *p;
        if (b0 < 0x80) {
            w.put(b0);
            ++p;
            continue;
        }
        char32_t cp;
        int trailing;
        char32_t minimum;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            cp = b0 & 0x1F;
            trailing = 1;
            minimum = 0x80;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            cp = b0 & 0x0F;
            trailing = 2;
            minimum = 0x800;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            cp = b0 & 0x07;
            trailing = 3;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (end - p <= trailing)
            return false;
        for (int i = 1; i <= trailing; ++i) {
            const unsigned char b = p[i];
            if ((b & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            w.put(char16_t(0xD800 + (cp >> 10)));
            w.put(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            w.put(char16_t(cp));
        }
        p += trailing + 1;
    }
    return true;
}

void decodeCp1252(const unsigned char* p, const unsigned char* end, BreakNormalizingWriter& w) {
    for (; p < end; ++p)
        w.put(cp1252ToUnicode(*p));
}

// Lone surrogates are kept as they are so that the bytes come back unchanged.
void decodeUtf16(const unsigned char* p, const unsigned char* end, bool bigEndian,
                 BreakNormalizingWriter& w) {
    for (; p + 1 < end; p += 2)
        w.put(bigEndian ? char16_t((p[0] << 8) | p[1]) : char16_t((p[1] << 8) | p[0]));
}

// Every input unit gives one output unit, a lone CR or LF two; so units plus break bytes is
// enough without a second decoding pass. For UTF-16 counting a break byte in either half of a
// unit over-estimates a little and is still a bound.
qsizetype decodedCapacity(const unsigned char* p, const unsigned char* end, int unitBytes) {
    const qsizetype breaks =
        std::count_if(p, end, [](unsigned char b) { return b == '\r' || b == '\n'; });
    return (end - p) / unitBytes + breaks;
}

bool endsWithBreak(const unsigned char* p, const unsigned char* end, int unitBytes,
                   bool bigEndian) {
    if (end - p < unitBytes)
        return false;
    char16_t last;
    if (unitBytes == 1)
        last = end[-1];
    else
        last = bigEndian ? char16_t((end[-2] << 8) | end[-1]) : char16_t((end[-1] << 8) | end[-2]);
    return last == u'\r' || last == u'\n';
}

// ---- encoding -----------------------------------------------------------------------------

// Sinks: the encoders run once to count the bytes and once to write them, so the result is
// allocated exactly once at its final size.
struct ByteCounter {
    qsizetype count = 0;
    void put(unsigned char) { ++count; }
};

struct ByteWriter {
    char* out;
    void put(unsigned char b) { *out++ = char(b); }
};

template <typename Sink> struct Utf8Encoder {
    Sink& sink;
    char16_t pendingHigh = 0;

    void putCodePoint(char32_t cp) {
        if (cp < 0x80) {
            sink.put(cp);
        } else if (cp < 0x800) {
            sink.put(0xC0 | (cp >> 6));
            sink.put(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            sink.put(0xE0 | (cp >> 12));
            sink.put(0x80 | ((cp >> 6) & 0x3F));
            sink.put(0x80 | (cp & 0x3F));
        } else {
            sink.put(0xF0 | (cp >> 18));
            sink.put(0x80 | ((cp >> 12) & 0x3F));
            sink.put(0x80 | ((cp >> 6) & 0x3F));
            sink.put(0x80 | (cp & 0x3F));
        }
    }
    void put(char16_t u) {
        if (pendingHigh) {
            const char16_t high = pendingHigh;
            pendingHigh = 0;
            if (isLowSurrogate(u)) {
                putCodePoint(0x10000 + ((char32_t(high) - 0xD800) << 10) + (u - 0xDC00));
                return;
            }
            putCodePoint(0xFFFD);
        }
        if (isHighSurrogate(u))
            pendingHigh = u;
        else if (isLowSurrogate(u))
            putCodePoint(0xFFFD);
        else
            putCodePoint(u);
    }
    void finish() {
        if (pendingHigh)
            putCodePoint(0xFFFD);
        pendingHigh = 0;
    }
};

template <typename Sink> struct Utf16Encoder {
    Sink& sink;
    bool bigEndian;

    void put(char16_t u) {
        if (bigEndian) {
            sink.put(u >> 8);
            sink.put(u & 0xFF);
        } else {
            sink.put(u & 0xFF);
            sink.put(u >> 8);
        }
    }
    void finish() {}
};

// A character outside the code page becomes one '?', a surrogate pair included.
template <typename Sink> struct Cp1252Encoder {
    Sink& sink;
    bool pendingHigh = false;

    void put(char16_t u) {
        if (pendingHigh) {
            pendingHigh = false;
            if (isLowSurrogate(u))
                return;
        }
        if (isHighSurrogate(u)) {
            pendingHigh = true;
            sink.put('?');
            return;
        }
        const int b = unicodeToCp1252(u);
        sink.put(b < 0 ? '?' : b);
    }
    void finish() { pendingHigh = false; }
};

// Feeds the text to the encoder with every CR LF, lone CR and lone LF replaced by the style's
// break, and one more break at the end when asked for.
template <typename Encoder>
void encodeLines(QStringView text, LineBreakStyle style, bool finalBreak, Encoder& enc) {
    auto putBreak = [&] {
        if (style != LineBreakStyle::Lf)
            enc.put(u'\r');
        if (style != LineBreakStyle::Cr)
            enc.put(u'\n');
    };
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    while (p < end) {
        const char16_t c = *p++;
        if (c > u'\r') {
            enc.put(c);
        } else if (c == u'\r') {
            if (p < end && *p == u'\n')
                ++p;
            putBreak();
        } else if (c == u'\n') {
            putBreak();
        } else {
            enc.put(c);
        }
    }
    if (finalBreak)
        putBreak();
    enc.finish();
}

template <typename Sink> void encodeInto(Sink& sink, QStringView text, const DocumentFormat& f) {
    switch (f.encoding) {
    case TextEncoding::Utf8: {
        if (f.byteOrderMark) {
            sink.put(0xEF);
            sink.put(0xBB);
            sink.put(0xBF);
        }
        Utf8Encoder<Sink> enc{sink};
        encodeLines(text, f.lineBreaks, f.finalLineBreak, enc);
        break;
    }
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        const bool bigEndian = f.encoding == TextEncoding::Utf16BE;
        Utf16Encoder<Sink> enc{sink, bigEndian};
        if (f.byteOrderMark)
            enc.put(0xFEFF);
        encodeLines(text, f.lineBreaks, f.finalLineBreak, enc);
        break;
    }
    case TextEncoding::Ansi: {
        // The code page has no byte-order mark.
        Cp1252Encoder<Sink> enc{sink};
        encodeLines(text, f.lineBreaks, f.finalLineBreak, enc);
        break;
    }
    }
}

QByteArray encodeExactly(QStringView text, const DocumentFormat& f) {
    ByteCounter counter;
    encodeInto(counter, text, f);
    QByteArray bytes(counter.count, Qt::Uninitialized);
    ByteWriter writer{bytes.data()};
    encodeInto(writer, text, f);
    return bytes;
}

} // namespace

std::optional<LoadedDocument> decodeDocument(const QByteArray& bytes) {
    const auto* begin = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = begin + bytes.size();
    const qsizetype n = bytes.size();

    LoadedDocument doc;
    DocumentFormat& f = doc.format;
    const unsigned char* body = begin;
    int unitBytes = 1;
    if (n >= 3 && begin[0] == 0xEF && begin[1] == 0xBB && begin[2] == 0xBF) {
        f.encoding = TextEncoding::Utf8;
        f.byteOrderMark = true;
        body += 3;
    } else if (n >= 2 &&
               ((begin[0] == 0xFF && begin[1] == 0xFE) || (begin[0] == 0xFE && begin[1] == 0xFF))) {
        f.encoding = begin[0] == 0xFF ? TextEncoding::Utf16LE : TextEncoding::Utf16BE;
        f.byteOrderMark = true;
        body += 2;
        unitBytes = 2;
        if ((end - body) % 2 != 0)
            return std::nullopt;
    } else {
        f.encoding = TextEncoding::Utf8;
        f.byteOrderMark = false;
    }

    // Windows-1252 of the whole file (mark included) is the fallback, so size for that too.
    const qsizetype capacity = decodedCapacity(unitBytes == 1 ? begin : body, end, unitBytes);
    QString text(capacity, Qt::Uninitialized);
    BreakNormalizingWriter w(reinterpret_cast<char16_t*>(text.data()));
    const unsigned char* decodedFrom = body;
    if (unitBytes == 2) {
        decodeUtf16(body, end, f.encoding == TextEncoding::Utf16BE, w);
    } else if (!decodeUtf8(body, end, w)) {
        w.reset();
        f.encoding = TextEncoding::Ansi;
        f.byteOrderMark = false;
        decodedFrom = begin;
        decodeCp1252(begin, end, w);
    }

    f.lineBreaks = w.style();
    f.finalLineBreak =
        endsWithBreak(decodedFrom, end, unitBytes, f.encoding == TextEncoding::Utf16BE);
    qsizetype length = w.written();
    if (f.finalLineBreak)
        length -= 2;
    text.resize(length);
    // Non-ASCII UTF-8 leaves the bound well above the text; give the memory back then.
    if (length < capacity - capacity / 4)
        text.squeeze();
    doc.text = std::move(text);
    return doc;
}

QByteArray encodeDocument(const QString& text, const DocumentFormat& format) {
    DocumentFormat f = format;
    if (f.encoding == TextEncoding::Ansi)
        f.byteOrderMark = false;
    return encodeExactly(text, f);
}

qint64 documentSizeLimit() {
    // Bytes, their decoded text (up to twice as many units) and the editor's copy: a quarter of
    // the machine's memory leaves room for all of them.
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    const qint64 byMemory = pages > 0 && pageSize > 0 ? qint64(pages) / 4 * pageSize : 0;
    // The decoded text takes up to four bytes for every byte read.
    const qint64 byType = std::numeric_limits<qsizetype>::max() / 4;
    return byMemory > 0 ? std::min(byMemory, byType) : byType;
}

DocumentFileRead readDocumentFile(const QString& path, qint64 sizeLimit) {
    DocumentFileRead result;
    if (QFileInfo(path).isDir()) {
        result.failure = ReadFailure::CannotRead;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failure = ReadFailure::CannotRead;
        result.reason = file.errorString();
        return result;
    }
    // Devices and pipes say 0 and are read as they come; only a known size is refused early.
    if (file.size() > sizeLimit) {
        result.failure = ReadFailure::TooLarge;
        return result;
    }
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            result.failure = ReadFailure::CannotRead;
            result.reason = file.errorString();
            return result;
        }
        file.close();
        if (bytes.size() > sizeLimit) {
            result.failure = ReadFailure::TooLarge;
            return result;
        }
        result.document = decodeDocument(bytes);
        if (!result.document)
            result.failure = ReadFailure::NotDecodable;
    } catch (const std::bad_alloc&) {
        result.document.reset();
        result.failure = ReadFailure::TooLarge;
    }
    return result;
}

std::optional<LoadedDocument> loadDocumentFile(const QString& path) {
    return readDocumentFile(path).document;
}

namespace {

// QSaveFile syncs the file but not the folder that holds its new name; without this a crash
// soon after a save can bring back the old file. Only a failed sync is an error: folders that
// cannot be opened or synced at all (some file systems) are left as they are.
bool syncFolderOf(const QString& path, QString* reason) {
    // QSaveFile writes to the target of a link, so the target's folder holds the new name.
    QString target = path;
    for (int hops = 0; hops < 40 && QFileInfo(target).isSymLink(); ++hops)
        target = QFileInfo(target).symLinkTarget();
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return true;
    bool synced = true;
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP) {
        synced = false;
        if (reason)
            *reason = QString::fromLocal8Bit(std::strerror(errno));
    }
    ::close(fd);
    return synced;
}

} // namespace

bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* reason) {
    QSaveFile file(path);
    const auto fail = [&] {
        if (reason)
            *reason = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    if (file.write(bytes) != bytes.size())
        return fail();
    if (!file.commit()) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return syncFolderOf(path, reason);
}

QByteArray encodeTextAs(const QString& text, TextEncoding encoding, bool byteOrderMark) {
    return encodeDocument(text, DocumentFormat{encoding, byteOrderMark, LineBreakStyle::CrLf,
                                               /*finalLineBreak=*/false});
}

QByteArray textCopyBytes(const QString& text) {
    // An empty text has no line, so nothing to terminate.
    if (text.isEmpty())
        return QByteArray();
    return encodeDocument(text, DocumentFormat{TextEncoding::Ansi, false, LineBreakStyle::CrLf,
                                               /*finalLineBreak=*/true});
}

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (const char c : bytes)
        *out++ = cp1252ToUnicode(static_cast<unsigned char>(c));
    return text;
}

QByteArray encodeWindows1252(const QString& text) {
    ByteCounter counter;
    Cp1252Encoder<ByteCounter> countEnc{counter};
    for (const QChar c : text)
        countEnc.put(c.unicode());
    QByteArray bytes(counter.count, Qt::Uninitialized);
    ByteWriter writer{bytes.data()};
    Cp1252Encoder<ByteWriter> enc{writer};
    for (const QChar c : text)
        enc.put(c.unicode());
    return bytes;
}

std::optional<qsizetype> firstUnencodableCharacter(QStringView text, TextEncoding encoding) {
    // UTF-16 stores every code unit, a lone surrogate included.
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        return std::nullopt;
    const bool ansi = encoding == TextEncoding::Ansi;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (isHighSurrogate(u) && i + 1 < n && isLowSurrogate(text[i + 1].unicode())) {
            if (ansi)
                return i;
            ++i;
        } else if (isHighSurrogate(u) || isLowSurrogate(u) || (ansi && unicodeToCp1252(u) < 0)) {
            return i;
        }
    }
    return std::nullopt;
}

QString backupPathFor(const QString& path) {
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    // A leading dot marks a hidden file here, not an extension.
    const bool hasExtension = dot > nameStart;
    return (hasExtension ? path.left(dot) : path) + QStringLiteral(".BAK");
}

BackupResult makeBackupOnce(const QString& path) {
    const QString backup = backupPathFor(path);
    // A dangling link counts as existing: copying through it would write somewhere else.
    if (QFileInfo::exists(backup) || QFileInfo(backup).isSymLink())
        return BackupResult::AlreadyExists;
    return QFile::copy(path, backup) ? BackupResult::Created : BackupResult::Failed;
}
