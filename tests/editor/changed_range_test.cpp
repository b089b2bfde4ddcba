#include "editor/changed_range.h"

#include "test_paths.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

bool cutsInside(QByteArrayView text, qsizetype at) {
    if (at <= 0 || at >= text.size())
        return false;
    return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80 ||
           (text[at - 1] == '\r' && text[at] == '\n');
}

// Replacing the range of before by that of after must give after; the cuts must fall between
// characters and line breaks; and the range may be wider than the true difference only by
// what a character or a CR LF needs.
void expectMinimalAndExact(const QByteArray& before, const QByteArray& after,
                           const std::string& what) {
    const ChangedRange range = changedRange(before, after);
    ASSERT_LE(range.start, range.oldEnd) << what;
    ASSERT_LE(range.start, range.newEnd) << what;
    const QByteArray rebuilt = before.first(range.start) +
                               after.sliced(range.start, range.newEnd - range.start) +
                               before.sliced(range.oldEnd);
    ASSERT_EQ(rebuilt, after) << what;
    for (qsizetype cut : {range.start, range.oldEnd})
        EXPECT_FALSE(cutsInside(before, cut)) << what << " at " << cut;
    for (qsizetype cut : {range.start, range.newEnd})
        EXPECT_FALSE(cutsInside(after, cut)) << what << " at " << cut;

    qsizetype prefix = 0;
    while (prefix < qMin(before.size(), after.size()) && before[prefix] == after[prefix])
        ++prefix;
    EXPECT_GE(range.start, prefix - 4) << what;
    qsizetype suffix = 0;
    while (suffix < qMin(before.size(), after.size()) - range.start &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    EXPECT_LE(range.oldEnd, before.size() - suffix + 4) << what;
}

} // namespace

TEST(ChangedRange, EdgesOfCharactersLineBreaksAndWholeTexts) {
    const QByteArray umlaut = QByteArray("\xC3\xA4");
    const QByteArray ohm = QByteArray("\xC3\xB6");
    const struct {
        QByteArray before, after;
    } cases[] = {
        {"", ""},
        {"", "abc"},
        {"abc", ""},
        {"abc", "abc"},
        {"a" + umlaut + "b", "a" + ohm + "b"}, // same first byte, different second
        {"x\r\ny", "x\ry"},
        {"x\ry", "x\r\ny"},
        {"x\r\n", "x\r\n\r\n"},
        {"aaaa", "aa"}, // repeated text: prefix and suffix must not overlap
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x81"},
    };
    for (const auto& c : cases)
        expectMinimalAndExact(c.before, c.after,
                              c.before.toStdString() + " -> " + c.after.toStdString());
}

// Real pages, each edited at random places with pieces that stand next to multi-byte
// characters and halves of line breaks. The control holds valid UTF-8, so the edits do too.
TEST(ChangedRange, RandomEditsOfCorpusPages) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "no corpus";
    QRandomGenerator random(15);
    const QString pieces[] = {QStringLiteral("\r"),     QStringLiteral("\n"),
                              QStringLiteral("\r\n"),   QStringLiteral("\u00e4"),
                              QStringLiteral("\u20ac"), QString::fromUtf8("\xF0\x9F\x98\x80"),
                              QStringLiteral("<p>"),    QString()};
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        const QByteArray before = page.toUtf8();
        for (int round = 0; round < 4; ++round) {
            QString edited = page;
            const int edits = 1 + int(random.bounded(3));
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = random.bounded(qsizetype(edited.size()) + 1);
                const qsizetype cut =
                    qMin(qsizetype(random.bounded(4)), qsizetype(edited.size()) - at);
                edited.replace(at, cut, pieces[random.bounded(int(std::size(pieces)))]);
            }
            expectMinimalAndExact(before, edited.toUtf8(), name.toStdString());
        }
    }
}
