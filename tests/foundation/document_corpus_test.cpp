#include "foundation/document/document_file.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>

#include <string>

namespace {

struct ManifestEntry {
    QString encoding; // "ascii", "utf-8", "utf-8+BOM", "utf-16le+BOM", "8-bit(non-utf-8)", ...
    QString lineEnds; // "LF", "CRLF", "CR", "none", "mixed(...)"
};

// The corpus manifest records what each page is, independently of this program.
QHash<QString, ManifestEntry> readManifest(const QString& pagesFolder) {
    QHash<QString, ManifestEntry> entries;
    QFile file(QDir(pagesFolder).filePath(QStringLiteral("../MANIFEST.tsv")));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split('\t');
        if (cells.size() >= 10)
            entries.insert(QString::fromUtf8(cells[0]),
                           {QString::fromUtf8(cells[8]), QString::fromUtf8(cells[9])});
    }
    return entries;
}

std::optional<TextEncoding> expectedEncoding(const QString& manifestEncoding, bool* mark) {
    *mark = manifestEncoding.endsWith(QLatin1String("+BOM"));
    if (manifestEncoding.startsWith(QLatin1String("utf-16le")))
        return TextEncoding::Utf16LE;
    if (manifestEncoding.startsWith(QLatin1String("utf-16be")))
        return TextEncoding::Utf16BE;
    if (manifestEncoding.startsWith(QLatin1String("utf-8")) || manifestEncoding == "ascii")
        return TextEncoding::Utf8;
    if (manifestEncoding.startsWith(QLatin1String("8-bit")))
        return TextEncoding::Ansi;
    return std::nullopt;
}

LineBreakStyle expectedStyle(const QString& lineEnds) {
    if (lineEnds == QLatin1String("LF"))
        return LineBreakStyle::Lf;
    if (lineEnds == QLatin1String("CR"))
        return LineBreakStyle::Cr;
    return LineBreakStyle::CrLf;
}

// Mixed pages in the corpus are all single-byte encoded, so breaks can be unified on bytes.
QByteArray withCrLfBreaks(QByteArray bytes) {
    return bytes.replace("\r\n", "\n").replace('\r', '\n').replace("\n", "\r\n");
}

} // namespace

TEST(DocumentCorpus, EveryPageIsWrittenBackAsItWasRead) {
    const QString folder = corpusPagesFolder();
    if (folder.isEmpty() || QDir(folder).isEmpty(QDir::Files))
        GTEST_SKIP() << "no corpus pages beside the repository";
    const QHash<QString, ManifestEntry> manifest = readManifest(folder);

    QStringList failures;
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString filePath = QDir(folder).filePath(name);
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly)) {
            failures << name + QStringLiteral(" (unreadable)");
            continue;
        }
        const QByteArray original = file.readAll();
        const std::optional<LoadedDocument> doc = loadDocumentFile(filePath);
        if (!doc) {
            failures << name + QStringLiteral(" (not loaded)");
            continue;
        }

        QByteArray expected = original;
        const auto entry = manifest.constFind(name);
        if (entry != manifest.constEnd()) {
            bool mark = false;
            const std::optional<TextEncoding> encoding = expectedEncoding(entry->encoding, &mark);
            if (encoding &&
                (doc->format.encoding != *encoding || doc->format.byteOrderMark != mark))
                failures << name + QStringLiteral(" (encoding)");
            if (doc->format.lineBreaks != expectedStyle(entry->lineEnds))
                failures << name + QStringLiteral(" (line-break style)");
            if (entry->lineEnds.startsWith(QLatin1String("mixed")))
                expected = withCrLfBreaks(original);
        }
        if (encodeDocument(doc->text, doc->format) != expected)
            failures << name + QStringLiteral(" (bytes differ)");
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(QStringLiteral("\n")).toStdString();
    EXPECT_GT(names.size(), 0);
}
