#include "foundation/document/document_file.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <random>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray bytes;
    for (int v : values)
        bytes.append(char(v));
    return bytes;
}

QByteArray utf16Bytes(const QString& text, bool bigEndian) {
    QByteArray bytes;
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8);
        const char lo = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return bytes;
}

// Decodes, checks the text and format, and checks that encoding gives the same bytes back.
void expectRoundTrip(const QByteArray& bytes, const QString& text, const DocumentFormat& format) {
    const std::optional<LoadedDocument> doc = decodeDocument(bytes);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->text, text);
    EXPECT_EQ(doc->format, format);
    EXPECT_EQ(encodeDocument(doc->text, doc->format), bytes);
}

void expectBytesRoundTrip(const QByteArray& bytes) {
    const std::optional<LoadedDocument> doc = decodeDocument(bytes);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(encodeDocument(doc->text, doc->format), bytes);
}

struct EncodingCase {
    const char* name;
    TextEncoding encoding;
    bool mark;
};

struct BreakCase {
    const char* name;
    LineBreakStyle style;
    const char* chars;
};

} // namespace

TEST(DocumentRoundTrip, EveryEncodingBreakStyleAndFinalBreakReproducesTheBytes) {
    const EncodingCase encodings[] = {{"utf-8", TextEncoding::Utf8, false},
                                      {"utf-8 mark", TextEncoding::Utf8, true},
                                      {"utf-16 le", TextEncoding::Utf16LE, true},
                                      {"utf-16 be", TextEncoding::Utf16BE, true},
                                      {"windows-1252", TextEncoding::Ansi, false}};
    const BreakCase breaks[] = {{"crlf", LineBreakStyle::CrLf, "\r\n"},
                                {"lf", LineBreakStyle::Lf, "\n"},
                                {"cr", LineBreakStyle::Cr, "\r"}};
    // Windows-1252 needs a byte that is not valid UTF-8, or the file would read as UTF-8.
    const QStringList unicodeLines = {u"<p>Grüße, 東京 😀</p>"_s, QString(), u"  x\u2028y"_s};
    const QStringList ansiLines = {u"<p>Grüße € \u0081\u008D\u008F\u0090\u009D</p>"_s, QString(),
                                   u"  ÿ"_s};

    for (const EncodingCase& enc : encodings) {
        for (const BreakCase& br : breaks) {
            for (const bool finalBreak : {false, true}) {
                SCOPED_TRACE(std::string(enc.name) + " " + br.name +
                             (finalBreak ? " final" : " no final"));
                const QStringList& lines =
                    enc.encoding == TextEncoding::Ansi ? ansiLines : unicodeLines;
                QString fileText = lines.join(QLatin1String(br.chars));
                if (finalBreak)
                    fileText += QLatin1String(br.chars);

                QByteArray bytes;
                switch (enc.encoding) {
                case TextEncoding::Utf8:
                    bytes =
                        (enc.mark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + fileText.toUtf8();
                    break;
                case TextEncoding::Utf16LE:
                    bytes = QByteArray("\xFF\xFE") + utf16Bytes(fileText, false);
                    break;
                case TextEncoding::Utf16BE:
                    bytes = QByteArray("\xFE\xFF") + utf16Bytes(fileText, true);
                    break;
                case TextEncoding::Ansi: {
                    // Latin-1 agrees with the code page for these lines but for the euro sign.
                    QString latin = fileText;
                    latin.replace(u'€', QChar(0x80));
                    bytes = latin.toLatin1();
                    break;
                }
                }

                expectRoundTrip(bytes, lines.join(u"\r\n"_s),
                                DocumentFormat{enc.encoding, enc.mark, br.style, finalBreak});
            }
        }
    }
}

TEST(DocumentRoundTrip, FinalBreakAndEmptyLastLineAreKeptApart) {
    struct Case {
        QByteArray bytes;
        QString text;
        bool finalBreak;
    };
    const Case cases[] = {
        {"", u""_s, false},          {"\n", u""_s, true},
        {"\n\n", u"\r\n"_s, true},   {"a", u"a"_s, false},
        {"a\n", u"a"_s, true},       {"a\n\n", u"a\r\n"_s, true},
        {"\r\n", u""_s, true},       {"a\r\n\r\n", u"a\r\n"_s, true},
        {"a\r\r", u"a\r\n"_s, true}, {"\na", u"\r\na"_s, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        const std::optional<LoadedDocument> doc = decodeDocument(c.bytes);
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(doc->text, c.text);
        EXPECT_EQ(doc->format.finalLineBreak, c.finalBreak);
        EXPECT_EQ(encodeDocument(doc->text, doc->format), c.bytes);
    }
}

TEST(DocumentRoundTrip, Utf16KeepsSurrogatePairsAndLoneSurrogates) {
    // U+1F600 as a pair, then a lone high and a lone low surrogate.
    const QString text = u"a\U0001F600b"_s + QChar(0xD800) + u"c"_s + QChar(0xDC00);
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "BE" : "LE");
        const QByteArray bytes = (bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE")) +
                                 utf16Bytes(text, bigEndian);
        expectRoundTrip(bytes, text,
                        DocumentFormat{bigEndian ? TextEncoding::Utf16BE : TextEncoding::Utf16LE,
                                       true, LineBreakStyle::CrLf, false});
    }
}

TEST(DocumentRoundTrip, RandomBinaryWithConsistentBreaksReproducesTheBytes) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    for (const char* br : {"\r\n", "\n", "\r"}) {
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes;
            bytes.append('x'); // keeps a random byte-order mark out of the way
            const int size = 1 + round * 97;
            for (int i = 0; i < size; ++i) {
                int b = byte(random);
                if (b == '\r' || b == '\n')
                    bytes.append(br);
                else
                    bytes.append(char(b));
            }
            SCOPED_TRACE(bytes.toHex().toStdString());
            expectBytesRoundTrip(bytes);
        }
    }
}

TEST(DocumentDecode, OddLengthAfterUtf16MarkCannotBeRead) {
    EXPECT_FALSE(decodeDocument(bytesOf({0xFF, 0xFE, 0x61})).has_value());
    EXPECT_FALSE(decodeDocument(bytesOf({0xFE, 0xFF, 0x00, 0x61, 0x00})).has_value());
    EXPECT_TRUE(decodeDocument(bytesOf({0xFF, 0xFE})).has_value());
}

TEST(DocumentDecode, NulBytesAreOrdinaryCharacters) {
    const QByteArray bytes("a\0b\0\n", 5);
    const auto doc = decodeDocument(bytes);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->text, QStringView(u"a\0b\0", 4).toString());
    EXPECT_EQ(doc->format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(encodeDocument(doc->text, doc->format), bytes);
}

TEST(DocumentDecode, OnlyStrictUtf8IsReadAsUtf8) {
    const QByteArray invalid[] = {
        bytesOf({0xC0, 0x80}),             // overlong NUL
        bytesOf({0xE0, 0x80, 0x80}),       // overlong three bytes
        bytesOf({0xF0, 0x80, 0x80, 0x80}), // overlong four bytes
        bytesOf({0xED, 0xA0, 0x80}),       // surrogate
        bytesOf({0xF4, 0x90, 0x80, 0x80}), // above U+10FFFF
        bytesOf({0xF5, 0x80, 0x80, 0x80}),
        bytesOf({'a', 0xC3}), // cut short at the end
        bytesOf({0xC3, 'a'}),
        bytesOf({0x80}),
    };
    for (const QByteArray& bytes : invalid) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        const auto doc = decodeDocument(bytes);
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(doc->format.encoding, TextEncoding::Ansi);
        EXPECT_EQ(doc->text, decodeWindows1252(bytes));
        EXPECT_EQ(encodeDocument(doc->text, doc->format), bytes);
    }

    const auto valid = decodeDocument(bytesOf({0xF0, 0x9F, 0x98, 0x80, 0xF4, 0x8F, 0xBF, 0xBF}));
    ASSERT_TRUE(valid.has_value());
    EXPECT_EQ(valid->format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(valid->text, u"\U0001F600\U0010FFFF"_s);
}

TEST(DocumentDecode, InvalidUtf8AfterUtf8MarkReadsWholeFileAsWindows1252) {
    const QByteArray bytes = bytesOf({0xEF, 0xBB, 0xBF, 'a', 0x80, '\n'});
    const auto doc = decodeDocument(bytes);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->text, u"ï»¿a€"_s);
    EXPECT_EQ(doc->format, (DocumentFormat{TextEncoding::Ansi, false, LineBreakStyle::Lf, true}));
    EXPECT_EQ(encodeDocument(doc->text, doc->format), bytes);
}

TEST(DocumentDecode, MixedBreaksGiveCrLfAndAreWrittenAsCrLf) {
    const QByteArray mixed[] = {"a\rb\nc\r\nd", "a\r\nb\n", "a\n\rb", "a\r\nb\r"};
    for (const QByteArray& bytes : mixed) {
        SCOPED_TRACE(bytes.toStdString());
        const auto doc = decodeDocument(bytes);
        ASSERT_TRUE(doc.has_value());
        EXPECT_EQ(doc->format.lineBreaks, LineBreakStyle::CrLf);
        QByteArray expected = bytes;
        expected.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
        EXPECT_EQ(encodeDocument(doc->text, doc->format), expected);
    }
}

TEST(DocumentDecode, LineSeparatorIsAnOrdinaryCharacter) {
    const QByteArray bytes = QString(u"a\u2028b\nc\n"_s).toUtf8();
    const auto doc = decodeDocument(bytes);
    ASSERT_TRUE(doc.has_value());
    EXPECT_EQ(doc->text, u"a\u2028b\r\nc"_s);
    EXPECT_EQ(doc->format.lineBreaks, LineBreakStyle::Lf);
    EXPECT_EQ(encodeDocument(doc->text, doc->format), bytes);
}

TEST(DocumentEncode, EveryKindOfBreakInTheTextBecomesTheStyleBreak) {
    const QString text = u"a\nb\rc\r\nd"_s;
    const DocumentFormat lf{TextEncoding::Utf8, false, LineBreakStyle::Lf, true};
    EXPECT_EQ(encodeDocument(text, lf), QByteArray("a\nb\nc\nd\n"));
    const DocumentFormat cr{TextEncoding::Utf8, false, LineBreakStyle::Cr, false};
    EXPECT_EQ(encodeDocument(text, cr), QByteArray("a\rb\rc\rd"));
}

TEST(DocumentEncode, AnsiNeverWritesAMarkAndReplacesUnrepresentableCharacters) {
    const DocumentFormat ansi{TextEncoding::Ansi, true, LineBreakStyle::CrLf, false};
    EXPECT_EQ(encodeDocument(u"ä€\u0080中\U0001F600x"_s, ansi),
              bytesOf({0xE4, 0x80, '?', '?', '?', 'x'}));
}

TEST(DocumentEncode, LoneSurrogateInUtf8BecomesReplacementCharacter) {
    const DocumentFormat utf8{TextEncoding::Utf8, false, LineBreakStyle::CrLf, false};
    EXPECT_EQ(encodeDocument(QString(QChar(0xD800)) + u"a"_s, utf8),
              bytesOf({0xEF, 0xBF, 0xBD, 'a'}));
}

TEST(EncodeTextAs, WritesEachKindWithItsMarkAndNoFinalBreak) {
    EXPECT_EQ(encodeTextAs(u"ä"_s, TextEncoding::Utf8, true),
              bytesOf({0xEF, 0xBB, 0xBF, 0xC3, 0xA4}));
    EXPECT_EQ(encodeTextAs(u"ä"_s, TextEncoding::Utf8, false), bytesOf({0xC3, 0xA4}));
    EXPECT_EQ(encodeTextAs(u"ä"_s, TextEncoding::Ansi, true), bytesOf({0xE4}));
    EXPECT_EQ(encodeTextAs(u"a\nb"_s, TextEncoding::Utf16LE, true),
              bytesOf({0xFF, 0xFE, 'a', 0, '\r', 0, '\n', 0, 'b', 0}));
    EXPECT_EQ(encodeTextAs(u"a\r\nb"_s, TextEncoding::Utf16BE, true),
              bytesOf({0xFE, 0xFF, 0, 'a', 0, '\r', 0, '\n', 0, 'b'}));
    EXPECT_EQ(encodeTextAs(u"a\rb\r\n"_s, TextEncoding::Ansi, false), QByteArray("a\r\nb\r\n"));
}

TEST(TextCopyBytes, EndsEveryLineWithCrLfInWindows1252) {
    EXPECT_EQ(textCopyBytes(u"a\r\nb"_s), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(textCopyBytes(u"ä中\nx"_s), bytesOf({0xE4, '?', '\r', '\n', 'x', '\r', '\n'}));
    EXPECT_EQ(textCopyBytes(u"a\r\n"_s), QByteArray("a\r\n\r\n"));
    EXPECT_EQ(textCopyBytes(QString()), QByteArray());
}

TEST(Windows1252, EveryByteRoundTripsAndUndefinedBytesKeepTheirNumber) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeWindows1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[undefined], QChar(undefined));
}

TEST(Windows1252, C1ControlsWithAPrintableByteAreNotRepresentable) {
    // 0x80 is the euro sign, so U+0080 has no byte of its own.
    EXPECT_EQ(encodeWindows1252(QString(QChar(0x80)) + QChar(0x9F)), QByteArray("??"));
}

TEST(FirstUnencodableCharacter, FindsExactlyWhatTheEncodingWouldLose) {
    const QString sample = u"Z\u0167\U0001F600\u4E2DW"_s;
    EXPECT_EQ(firstUnencodableCharacter(sample, TextEncoding::Ansi), 1);
    EXPECT_EQ(firstUnencodableCharacter(u"a\u00E4\u20AC"_s, TextEncoding::Ansi), std::nullopt);
    EXPECT_EQ(firstUnencodableCharacter(u"ab\U0001F600"_s, TextEncoding::Ansi), 2);
    EXPECT_EQ(firstUnencodableCharacter(sample, TextEncoding::Utf8), std::nullopt);
    EXPECT_EQ(firstUnencodableCharacter(u"a"_s + QChar(0xDC00), TextEncoding::Utf8), 1);
    EXPECT_EQ(firstUnencodableCharacter(QString(QChar(0xD800)), TextEncoding::Utf16LE),
              std::nullopt);
    // Nothing reported means the bytes read back as the same text, and the reverse.
    const QString pieces[] = {u"a"_s,
                              u"\u00FC"_s,
                              u"\u20AC"_s,
                              u"\u0167"_s,
                              u"\U0001F600"_s,
                              QString(QChar(0xD800)),
                              QString(QChar(0xDFFF)),
                              u"\u0080"_s};
    for (TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LE})
        for (const QString& a : pieces)
            for (const QString& b : pieces) {
                const QString text = u"x"_s + a + b;
                const DocumentFormat format{encoding, true, LineBreakStyle::CrLf, false};
                const auto back = decodeDocument(encodeDocument(text, format));
                const bool lossless = back && back->text == text;
                EXPECT_EQ(!firstUnencodableCharacter(text, encoding).has_value(), lossless)
                    << int(encoding) << " " << text.toStdString();
            }
}
