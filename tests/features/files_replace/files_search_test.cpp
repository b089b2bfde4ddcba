#include "features/files_replace/files_run.h"
#include "features/files_replace/files_search.h"
#include "foundation/document/document_file.h"
#include "foundation/text/text_rules.h"

#include "file_bytes.h"
#include "test_paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

#include <unistd.h>

namespace {

bool isReferenceWordCharacter(QChar c) {
    return (c.unicode() >= 65 && c.unicode() <= 122) || (c.unicode() >= 48 && c.unicode() <= 57);
}

// The reference find: both texts lower-cased, a plain search from the start, and a rejected
// whole-word find searched again one character after its start.
qsizetype referenceFindMatch(QString text, QString search, bool caseSensitive, bool wholeWord,
                             qsizetype start) {
    if (!caseSensitive) {
        text = asciiLower(text);
        search = asciiLower(search);
    }
    if (search.isEmpty())
        return -1;
    qsizetype at = text.indexOf(search, std::max<qsizetype>(start, 1) - 1);
    while (at >= 0) {
        const qsizetype after = at + search.size();
        const bool wordBefore = at > 0 && isReferenceWordCharacter(text[at - 1]);
        const bool wordAfter = after < text.size() && isReferenceWordCharacter(text[after]);
        if (!wholeWord || (!wordBefore && !wordAfter))
            return at + 1;
        at = text.indexOf(search, at + 1);
    }
    return -1;
}

// The reference replace: every match that does not overlap the one before it, found in the
// original text, replaced by splicing the decoded text.
struct ReferenceReplacement {
    int matches = 0;
    QString text;
};
ReferenceReplacement referenceReplace(const QString& text, const FilesSearchOptions& o) {
    // Folded once: folding at every find would make the corpus check quadratic.
    const QString haystack = o.caseSensitive ? text : asciiLower(text);
    const QString needle = o.caseSensitive ? o.search : asciiLower(o.search);
    ReferenceReplacement r;
    qsizetype from = 0;
    for (qsizetype at = haystack.indexOf(needle); at >= 0 && !needle.isEmpty();) {
        const qsizetype after = at + needle.size();
        const bool wordBefore = at > 0 && isReferenceWordCharacter(haystack[at - 1]);
        const bool wordAfter = after < haystack.size() && isReferenceWordCharacter(haystack[after]);
        if (o.wholeWord && (wordBefore || wordAfter)) {
            at = haystack.indexOf(needle, at + 1);
            continue;
        }
        ++r.matches;
        r.text += QStringView(text).sliced(from, at - from);
        r.text += o.replace;
        from = after;
        if (!o.all)
            break;
        at = haystack.indexOf(needle, after);
    }
    r.text += QStringView(text).sliced(from);
    return r;
}

class FilesSearchTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString p = path(name);
        EXPECT_TRUE(writeFileBytes(p, bytes));
        return p;
    }
    // An hour in the past, so that a rewrite shows in the time stamp.
    static void ageFile(const QString& p) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                  QFileDevice::FileModificationTime));
    }
    static QDateTime modified(const QString& p) { return QFileInfo(p).lastModified(); }

    QTemporaryDir dir;
};

FilesSearchOptions options(const QString& search, bool all = true, bool searchOnly = true,
                           const QString& replace = QString()) {
    FilesSearchOptions o;
    o.search = search;
    o.replace = replace;
    o.all = all;
    o.searchOnly = searchOnly;
    return o;
}

} // namespace

TEST(FindMatchTest, HonoursWholeWordCaseAndStart) {
    const struct {
        const char* text;
        const char* search;
        bool caseSensitive;
        bool wholeWord;
        qsizetype start;
        qsizetype expected;
    } cases[] = {
        {"cat, cats and concat", "cat", false, true, 1, 1},
        {"cat, cats and concat", "cat", false, true, 2, -1},
        {"cat_", "cat", false, true, 1, -1},   // "_" lies among the word characters
        {"x[cat]", "cat", false, true, 1, -1}, // "[" and "]" too
        {"(cat)", "cat", false, true, 1, 2},
        {"cat.", "cat", false, true, 1, 1}, // at the very start
        {"a--", "-", false, true, 1, 3},    // a rejected find skips nothing after it
        {"a- -", "-", false, true, 1, 4},
        {"xABC", "abc", false, false, 1, 2},
        {"xABC", "abc", true, false, 1, -1},
        {"\xc3\x84rger", "\xc3\xa4rger", false, false, 1, -1}, // only A-Z fold
        {"abcabc", "abc", false, false, -5, 1},                // a start below 1 is 1
        {"abcabc", "abc", false, false, 2, 4},
        {"abc", "abc", false, false, 4, -1},
        {"abc", "", false, false, 1, -1},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QString search = QString::fromUtf8(c.search);
        EXPECT_EQ(findMatch(text, search, c.caseSensitive, c.wholeWord, c.start), c.expected)
            << c.text << " / " << c.search << " from " << c.start;
        EXPECT_EQ(referenceFindMatch(text, search, c.caseSensitive, c.wholeWord, c.start),
                  c.expected)
            << c.text;
    }
}

TEST(FilesMatchStartsTest, FindsEveryMatchThatDoesNotOverlapTheOneBefore) {
    const struct {
        const char* text;
        const char* search;
        bool all;
        QList<qsizetype> expected;
    } cases[] = {
        {"abab", "ab", true, {0, 2}},
        {"ab_ab", "ab", true, {0, 3}},
        {"aaa", "aa", true, {0}},       // overlapping matches count once
        {"ab ab ab", "ab", false, {0}}, // without "all" only the first
        {"a", "a", true, {0}},          // also at the very last character
        {"xa", "a", true, {1}},
        {"dist/jakarta/jakarta-ant", "jakarta", true, {5, 13}},
        {"", "a", true, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filesMatchStarts(QString::fromUtf8(c.text),
                                   options(QString::fromUtf8(c.search), c.all)),
                  c.expected)
            << c.text;
}

// Whatever the text, the options and the file's encoding, the new bytes read back as the
// reference replace of the decoded text, and untouched files keep every byte.
TEST_F(FilesSearchTest, ReplaceGivesTheReferenceTextInEveryEncoding) {
    std::mt19937 random(20240611);
    const QStringList textPieces{"a", "b",  "A",  "B",      "_",      " ",      "[",
                                 "0", "ab", "AB", "\u00e4", "\u00e9", "\u00df", "\r\n"};
    const QStringList searchPieces{"a", "b", "A", "_", " ", "\u00e4", "["};
    const QStringList replacePieces{"a", "b", "B", "_", " ", "\u00e4", "\u00e9", "\u00df"};
    const DocumentFormat formats[] = {
        {TextEncoding::Utf8, false, LineBreakStyle::CrLf, true},
        {TextEncoding::Utf8, true, LineBreakStyle::Lf, false},
        {TextEncoding::Utf16LE, true, LineBreakStyle::Lf, true},
        {TextEncoding::Utf16BE, true, LineBreakStyle::Cr, false},
        {TextEncoding::Ansi, false, LineBreakStyle::CrLf, false},
    };
    auto pick = [&random](const QStringList& pieces, int from, int to) {
        QString s;
        const int n = std::uniform_int_distribution<int>(from, to)(random);
        for (int i = 0; i < n; ++i)
            s += pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(random)];
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        const DocumentFormat& format = formats[round % std::size(formats)];
        // Every fourth file mixes lone CRs and LFs, which the editor would write as CR LF.
        const bool mixed = round % 4 == 3;
        QByteArray bytes = encodeDocument(pick(textPieces, 0, 30), format);
        if (mixed)
            bytes = encodeDocument(QString(), {format.encoding, format.byteOrderMark,
                                               LineBreakStyle::Lf, false}) +
                    encodeDocument(pick(textPieces, 0, 10),
                                   {format.encoding, false, LineBreakStyle::Cr, true}) +
                    encodeDocument(pick(textPieces, 0, 20),
                                   {format.encoding, false, LineBreakStyle::Lf, false});
        FilesSearchOptions o = options(pick(searchPieces, 1, 3), random() % 2, random() % 3 == 0,
                                       pick(replacePieces, 0, 4));
        o.caseSensitive = random() % 2;
        o.wholeWord = random() % 2;
        const QString mine = write(QStringLiteral("mine.txt"), bytes);
        const std::optional<LoadedDocument> before = decodeDocument(bytes);
        const ReferenceReplacement reference = referenceReplace(before->text, o);

        const FileOutcome outcome = searchReplaceInFile(mine, o);
        SCOPED_TRACE(bytes.toHex().toStdString() + " search " + o.search.toStdString() +
                     " replace " + o.replace.toStdString());
        ASSERT_EQ(outcome.failure, FileOutcome::Failure::None);
        ASSERT_EQ(outcome.matches, reference.matches);
        if (o.searchOnly || outcome.matches == 0) {
            ASSERT_FALSE(outcome.rewritten);
            ASSERT_EQ(readFileBytes(mine), bytes);
        } else if (mixed) {
            const auto after = decodeDocument(readFileBytes(mine));
            ASSERT_EQ(after->text, reference.text);
            ASSERT_EQ(after->format.finalLineBreak, before->format.finalLineBreak);
        } else {
            ASSERT_EQ(readFileBytes(mine), encodeDocument(reference.text, before->format));
        }
    }
}

// Over every real page: a search for a piece of the page itself, and one for a single letter,
// count and replace exactly what the reference does.
TEST(FilesCorpusTest, EveryPageGetsTheReferenceReplacement) {
    const QDir pages(corpusPagesFolder());
    const QStringList names = pages.entryList(QDir::Files, QDir::Name);
    if (names.isEmpty())
        GTEST_SKIP() << "no corpus";
    std::mt19937 random(7);
    for (const QString& name : names) {
        const QByteArray bytes = readFileBytes(pages.filePath(name));
        const std::optional<LoadedDocument> document = decodeDocument(bytes);
        if (!document || document->text.isEmpty())
            continue;
        const QString& text = document->text;
        qsizetype at = std::uniform_int_distribution<qsizetype>(0, text.size() - 1)(random);
        QString piece = text.mid(at, 1 + random() % 6);
        piece.truncate(piece.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))) < 0
                           ? piece.size()
                           : piece.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))));
        if (!isUsableSearchText(piece) || isBlankText(piece))
            piece = QStringLiteral("a");
        for (const QString& search : {piece, QStringLiteral("e")}) {
            FilesSearchOptions o = options(search, true, false, QStringLiteral("<X>"));
            o.caseSensitive = random() % 2;
            o.wholeWord = random() % 4 == 0;
            SCOPED_TRACE(name.toStdString() + " search " + search.toStdString());
            const ReferenceReplacement reference = referenceReplace(text, o);
            const BytesReplacement replaced = searchReplaceInBytes(bytes, o);
            ASSERT_EQ(replaced.matches, reference.matches);
            ASSERT_EQ(replaced.changed, reference.matches > 0);
            if (!replaced.changed)
                continue;
            const std::optional<LoadedDocument> after = decodeDocument(replaced.bytes);
            ASSERT_TRUE(after);
            ASSERT_EQ(after->text, reference.text);
        }
    }
}

TEST_F(FilesSearchTest, SearchOnlyNeverTouchesAFile) {
    const QByteArray bytes("<p>word and word</p>\r\n");
    const QString p = write(QStringLiteral("page.html"), bytes);
    ageFile(p);
    const QDateTime before = modified(p);
    const FileOutcome outcome = searchReplaceInFile(p, options(QStringLiteral("word")));
    EXPECT_EQ(outcome.matches, 2);
    EXPECT_FALSE(outcome.rewritten);
    EXPECT_EQ(modified(p), before);
    EXPECT_EQ(readFileBytes(p), bytes);
}

TEST_F(FilesSearchTest, ReplaceWritesOnlyFilesThatChange) {
    const QString none = write(QStringLiteral("none.html"), "nothing here");
    const QString same = write(QStringLiteral("same.html"), "keep Word");
    const QString other = write(QStringLiteral("other.html"), "keep word");
    for (const QString& p : {none, same, other})
        ageFile(p);
    const QDateTime noneBefore = modified(none);
    const QDateTime sameBefore = modified(same);
    FilesRun run({none, same, other},
                 options(QStringLiteral("word"), true, false, QStringLiteral("Word")));
    while (!run.isFinished())
        run.step();
    EXPECT_EQ(run.totalMatches(), 2);
    EXPECT_EQ(run.rewrittenFiles(), QStringList{other});
    EXPECT_EQ(modified(none), noneBefore);
    EXPECT_EQ(modified(same), sameBefore);
    EXPECT_EQ(readFileBytes(other), QByteArray("keep Word"));
}

// Only the matches change; the mark, the encoding and every line break stay as they were,
// also where the file mixes break styles the editor itself would unify.
TEST_F(FilesSearchTest, ReplaceKeepsEncodingAndLineBreaksByteForByte) {
    const QString search = QStringLiteral("alt");
    const QString replacement = QStringLiteral("neu\u00e4\u20ac");
    const struct {
        const char* name;
        TextEncoding encoding;
        bool mark;
        QString before; // the breaks as the bytes hold them
        int matches;
    } cases[] = {
        {"utf8-mark-crlf", TextEncoding::Utf8, true, QStringLiteral("x alt\r\nalt y\r\n"), 2},
        {"utf8-lf-no-final", TextEncoding::Utf8, false, QStringLiteral("\u00fc alt\nalt"), 2},
        {"utf16le-mixed", TextEncoding::Utf16LE, true, QStringLiteral("alt\r\nb\nalt\rc alt"), 3},
        {"utf16be-cr", TextEncoding::Utf16BE, true, QStringLiteral("alt\r\u00fc\ralt\r"), 2},
        {"ansi-mixed", TextEncoding::Ansi, false, QStringLiteral("\u00fc alt\r\n\nalt\r"), 2},
        {"utf8-astral", TextEncoding::Utf8, false, QStringLiteral("\U0001F600alt \U0001F600 alt"),
         2},
    };
    auto encoded = [](const QString& text, TextEncoding encoding, bool mark) {
        // No break conversion: CR LF style turns lone CR and LF into CR LF, so encode
        // piecewise around the breaks.
        QByteArray out = encodeDocument(QString(), {encoding, mark, LineBreakStyle::CrLf, false});
        qsizetype from = 0;
        for (qsizetype i = 0; i <= text.size(); ++i) {
            if (i < text.size() && text[i] != u'\r' && text[i] != u'\n')
                continue;
            out += encodeDocument(text.mid(from, i - from),
                                  {encoding, false, LineBreakStyle::CrLf, false});
            if (i < text.size())
                out += encodeDocument(
                    QString(), {encoding, false,
                                text[i] == u'\r' ? LineBreakStyle::Cr : LineBreakStyle::Lf, true});
            from = i + 1;
        }
        return out;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString p = write(QString::fromLatin1(c.name), encoded(c.before, c.encoding, c.mark));
        const QString after = QString(c.before).replace(search, replacement);
        const FileOutcome outcome =
            searchReplaceInFile(p, options(search, true, false, replacement));
        EXPECT_EQ(outcome.matches, c.matches);
        EXPECT_TRUE(outcome.rewritten);
        EXPECT_EQ(readFileBytes(p).toHex(), encoded(after, c.encoding, c.mark).toHex());
    }
    // Deleting what stands between a lone CR and a lone LF must not merge two breaks into one,
    // also when it takes several matches side by side.
    for (const char* bytes : {"a\rx\ny", "a\rxx\ny", "a\rXxX\ny"}) {
        SCOPED_TRACE(bytes);
        const QString between = write(QStringLiteral("between"), bytes);
        searchReplaceInFile(between, options(QStringLiteral("x"), true, false, QString()));
        EXPECT_EQ(decodeDocument(readFileBytes(between))->text, QStringLiteral("a\r\n\r\ny"));
    }
    // A character the code page lacks leaves the file as it was, and says which.
    const QString ansi = write(QStringLiteral("ansi"), "\xfc alt");
    const FileOutcome lacking =
        searchReplaceInFile(ansi, options(search, true, false, QStringLiteral("x\u0151")));
    EXPECT_EQ(lacking.failure, FileOutcome::Failure::Write);
    EXPECT_TRUE(lacking.reason.contains(QStringLiteral("U+0151"))) << lacking.reason.toStdString();
    EXPECT_EQ(readFileBytes(ansi), QByteArray("\xfc alt"));
}

TEST_F(FilesSearchTest, FilesThatCannotBeReadOrWrittenAreReportedAndLeftAsTheyWere) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString folder = path(QStringLiteral("folder"));
    const QString vanished = path(QStringLiteral("vanished.html"));
    const QString oddUtf16 = write(QStringLiteral("odd.txt"), QByteArray("\xff\xfe"
                                                                         "a\0b",
                                                                         5));
    const QString readOnly = write(QStringLiteral("locked.html"), "a word");
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    const FilesSearchOptions replace = options(QStringLiteral("word"), true, false, "w");
    for (const QString& p : {vanished, oddUtf16}) {
        const FileOutcome outcome = searchReplaceInFile(p, replace);
        EXPECT_EQ(outcome.failure, FileOutcome::Failure::Read) << p.toStdString();
        EXPECT_FALSE(outcome.reason.isEmpty());
    }
    EXPECT_EQ(searchReplaceInFile(folder, replace).failure, FileOutcome::Failure::Skipped);
    const FileOutcome locked = searchReplaceInFile(readOnly, replace);
    EXPECT_EQ(locked.failure, FileOutcome::Failure::Write);
    EXPECT_EQ(readFileBytes(readOnly), QByteArray("a word"));
    EXPECT_EQ(searchReplaceInFile(readOnly, options(QStringLiteral("word"))).failure,
              FileOutcome::Failure::None);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left

    if (geteuid() != 0) {
        const QString unreadable = write(QStringLiteral("secret.html"), "word");
        QFile::setPermissions(unreadable, QFileDevice::WriteOwner);
        EXPECT_EQ(searchReplaceInFile(unreadable, replace).failure, FileOutcome::Failure::Read);
    }
}

TEST_F(FilesSearchTest, ReplaceKeepsPermissionsAndWritesThroughLinks) {
    const QString target = write(QStringLiteral("target.html"), "old");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(target, mode));
    const QString link = path(QStringLiteral("link.html"));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_TRUE(
        searchReplaceInFile(link, options(QStringLiteral("old"), true, false, "new")).rewritten);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFileBytes(target), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(target) & 0x7077, mode & 0x7077);
}

TEST_F(FilesSearchTest, RunStopsAtAFailureOrGoesOnAndStopsWhenAsked) {
    const QString a = write(QStringLiteral("a.html"), "word");
    const QString missing = path(QStringLiteral("missing.html"));
    const QString c = write(QStringLiteral("c.html"), "word word");
    const FilesSearchOptions replace = options(QStringLiteral("word"), true, false, "w");

    FilesRun stopping({a, missing, c}, replace);
    while (!stopping.isFinished())
        stopping.step();
    EXPECT_EQ(stopping.filesDone(), 2);
    EXPECT_TRUE(stopping.hadFailure());
    EXPECT_EQ(stopping.totalMatches(), 1);
    EXPECT_EQ(readFileBytes(c), QByteArray("word word"));

    FilesRun goingOn({missing, c}, options(QStringLiteral("word"), false));
    goingOn.setStopAtFailure(false);
    while (!goingOn.isFinished())
        goingOn.step();
    EXPECT_EQ(goingOn.totalMatches(), 1); // not "all": the first match of a file only

    FilesRun stopped({a, c}, replace);
    stopped.step();
    stopped.stop();
    EXPECT_TRUE(stopped.isFinished());
    EXPECT_EQ(readFileBytes(c), QByteArray("word word"));
}
