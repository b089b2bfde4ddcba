#include "foundation/document/document_file.h"
#include "foundation/markup/long_line_breaks.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// An independent, plainer reading of HTML: which offsets a line break could go before without
// landing in text, a tag or attribute name, a quoted value, a comment, a declaration or the
// content of script, style, textarea, title or pre. The breaker may use fewer places, never
// others.
std::vector<bool> permittedBreaks(QStringView text) {
    std::vector<bool> permitted(size_t(text.size()) + 1, false);
    const QStringView keptWhole[] = {u"script", u"style", u"textarea", u"title", u"pre"};
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        if (text.sliced(i).startsWith(u"<!--")) {
            const qsizetype end = text.indexOf(u"-->", i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const bool endTag = text.sliced(i).startsWith(u"</");
        const qsizetype nameAt = i + (endTag ? 2 : 1);
        if (text[i] != u'<' || nameAt >= n || !text[nameAt].isLetter()) {
            if (text[i] == u'<' &&
                (text.sliced(i).startsWith(u"<!") || text.sliced(i).startsWith(u"<?"))) {
                const qsizetype end = text.indexOf(u'>', i);
                i = end < 0 ? n : end + 1;
            } else {
                ++i;
            }
            continue;
        }
        qsizetype at = nameAt;
        while (at < n && !isSpace(text[at]) && text[at] != u'>' && text[at] != u'/')
            ++at;
        const QString name = text.sliced(nameAt, at - nameAt).toString().toLower();
        while (at < n && text[at] != u'>') {
            if (isSpace(text[at - 1]))
                permitted[size_t(at)] = true;
            if (text[at] == u'=') {
                ++at;
                while (at < n && isSpace(text[at]))
                    permitted[size_t(++at)] = true;
                if (at < n && (text[at] == u'"' || text[at] == u'\'')) {
                    const qsizetype close = text.indexOf(text[at], at + 1);
                    at = close < 0 ? n : close + 1;
                }
                continue;
            }
            ++at;
        }
        if (at >= n)
            break;
        permitted[size_t(at)] = text[at - 1] != u'/';
        i = at + 1;
        if (!endTag &&
            std::find(std::begin(keptWhole), std::end(keptWhole), name) != std::end(keptWhole)) {
            // A pre's content also ends where a table part, body or html closes.
            const QStringList ends =
                name == u"pre"
                    ? QStringList{u"</pre"_s,   u"</listing"_s, u"</td"_s,    u"</th"_s,
                                  u"</tr"_s,    u"</tbody"_s,   u"</thead"_s, u"</tfoot"_s,
                                  u"</table"_s, u"</caption"_s, u"</body"_s,  u"</html"_s}
                    : QStringList{QStringLiteral("</") + name};
            qsizetype end = n;
            for (const QString& endTag : ends) {
                const qsizetype found = text.indexOf(endTag, i, Qt::CaseInsensitive);
                if (found >= 0)
                    end = std::min(end, found);
            }
            i = end;
        }
    }
    return permitted;
}

// Checks one breaking of `text` against everything promised; returns how many breaks it made.
size_t expectSoundBreaking(const QString& text, qsizetype limit, const QString& what) {
    SCOPED_TRACE(what.toStdString() + " limit " + std::to_string(limit));
    const LongLineBreaking result = breakLongLines(text, limit);

    // Taking out exactly the inserted breaks gives the text back.
    QString restored;
    std::vector<qsizetype> inOriginal;
    qsizetype copied = 0;
    for (size_t k = 0; k < result.insertedAt.size(); ++k) {
        const qsizetype at = result.insertedAt[k];
        EXPECT_EQ(result.text.sliced(at, 2), u"\r\n");
        restored += QStringView(result.text).sliced(copied, at - copied);
        copied = at + 2;
        inOriginal.push_back(at - 2 * qsizetype(k));
    }
    restored += QStringView(result.text).sliced(copied);
    EXPECT_EQ(restored, text);
    if (restored != text)
        return 0;

    // Every break is where the plain reading allows one, inside a line that was too long.
    const std::vector<bool> permitted = permittedBreaks(text);
    for (qsizetype at : inOriginal) {
        EXPECT_TRUE(permitted[size_t(at)])
            << "break before offset " << at << ": "
            << text.sliced(std::max<qsizetype>(0, at - 60),
                           std::min<qsizetype>(120, text.size() - std::max<qsizetype>(0, at - 60)))
                   .toStdString();
        const qsizetype lineStart = text.lastIndexOf(u'\n', at - 1) + 1;
        qsizetype lineEnd = text.indexOf(u'\r', at);
        EXPECT_GT((lineEnd < 0 ? text.size() : lineEnd) - lineStart, limit);
    }

    // A piece is longer than the limit only where it holds no place at all.
    const std::vector<qsizetype> places = markupBreakPlaces(text);
    std::vector<qsizetype> pieceStarts = inOriginal;
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1))
        pieceStarts.push_back(at + 1);
    pieceStarts.push_back(0);
    std::sort(pieceStarts.begin(), pieceStarts.end());
    EXPECT_EQ(std::adjacent_find(pieceStarts.begin(), pieceStarts.end()), pieceStarts.end());
    qsizetype stillLong = 0;
    for (size_t k = 0; k < pieceStarts.size(); ++k) {
        const qsizetype start = pieceStarts[k];
        qsizetype end = k + 1 < pieceStarts.size() ? pieceStarts[k + 1] : text.size();
        while (end > start && (text[end - 1] == u'\n' || text[end - 1] == u'\r'))
            --end;
        if (end - start <= limit)
            continue;
        ++stillLong;
        const auto inside = std::upper_bound(places.begin(), places.end(), start);
        EXPECT_TRUE(inside == places.end() || *inside >= end)
            << "piece " << start << "-" << end << " over the limit around place " << *inside;
    }
    EXPECT_EQ(result.linesStillLong, stillLong);

    // The breaks read as white space in tags: breaking the result again finds nothing to do.
    EXPECT_TRUE(breakLongLines(result.text, limit).insertedAt.empty());
    return result.insertedAt.size();
}

} // namespace

// Every corpus page, as it is and joined onto one line, broken at a small and a larger limit.
TEST(LongLineBreaks, CorpusPagesComeBackWholeAndBreakOnlyInsideTags) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "no corpus";
    size_t breaks = 0;
    int pages = 0;
    for (const QFileInfo& page : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        QFile file(page.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const std::optional<LoadedDocument> loaded = decodeDocument(file.readAll());
        if (!loaded)
            continue;
        ++pages;
        QString joined = loaded->text;
        joined.replace(QLatin1String("\r\n"), QLatin1String(" "));
        for (qsizetype limit : {80, 4096}) {
            breaks += expectSoundBreaking(loaded->text, limit, page.fileName());
            breaks += expectSoundBreaking(joined, limit, page.fileName() + " joined");
        }
    }
    EXPECT_GT(pages, 100);
    // The corpus is markup: most long lines find places.
    EXPECT_GT(breaks, size_t(pages) * 10);
}

// The places a reading of HTML alone could get wrong.
TEST(LongLineBreaks, KeepsTextsWhoseMeaningABreakWouldChange) {
    const QString lines[] = {
        QStringLiteral("<p class=\"a b  c\" title='x y'>text with spaces</p  >"),
        QStringLiteral(
            "<script type=text/javascript>if (a < b && c > d) { x = '<b class=y>'; }</script >"),
        QStringLiteral("<script><!-- <script> </script> <a href=x> --></script><i id=z>"),
        QStringLiteral(
            "<!-- <a href=x title=y> --><!DOCTYPE html SYSTEM \"a>b <c d>\"><? x y > z ?>"),
        QStringLiteral("<pre> <b class=x>  kept </b> <pre id=a></pre> <i class=x> </pre><textarea> "
                       "<a b> </textarea>"),
        QStringLiteral("<a <?php echo 'x y'; ?> href=z><br/><br /><img src=a/><td {{ x y }}>"),
        QStringLiteral(
            "<![CDATA[ <a b=c> ]]><style>p > a { x: y }</style><title>a <b c> d</title>"),
    };
    for (const QString& line : lines)
        expectSoundBreaking(line, 1, line);
    // And where it may: after white space in tags and before ">" (not "/>").
    EXPECT_EQ(breakLongLines(u"<p class=a  id = b>x</p><br/><hr />", 1).text,
              QStringLiteral("<p \r\nclass=a  \r\nid \r\n= \r\nb\r\n>x</p\r\n><br/><hr \r\n/>"));
}
