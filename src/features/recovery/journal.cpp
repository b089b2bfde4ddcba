#include "features/recovery/journal.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QByteArray magicLine = QByteArrayLiteral("HEXLUME-RECOVERY 1\n");

QString encodingName(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi:
        return QStringLiteral("windows-1252");
    case TextEncoding::Utf8:
        return QStringLiteral("utf-8");
    case TextEncoding::Utf16LE:
        return QStringLiteral("utf-16le");
    case TextEncoding::Utf16BE:
        return QStringLiteral("utf-16be");
    }
    return QString();
}

std::optional<TextEncoding> encodingNamed(const QString& name) {
    for (TextEncoding encoding :
         {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE}) {
        if (encodingName(encoding) == name)
            return encoding;
    }
    return std::nullopt;
}

QString breaksName(LineBreakStyle style) {
    switch (style) {
    case LineBreakStyle::CrLf:
        return QStringLiteral("crlf");
    case LineBreakStyle::Lf:
        return QStringLiteral("lf");
    case LineBreakStyle::Cr:
        return QStringLiteral("cr");
    }
    return QString();
}

std::optional<LineBreakStyle> breaksNamed(const QString& name) {
    for (LineBreakStyle style : {LineBreakStyle::CrLf, LineBreakStyle::Lf, LineBreakStyle::Cr}) {
        if (breaksName(style) == name)
            return style;
    }
    return std::nullopt;
}

} // namespace

QByteArray journalHeader(const Journal& journal) {
    QJsonObject disk{{QStringLiteral("known"), journal.disk.known},
                     {QStringLiteral("exists"), journal.disk.exists},
                     {QStringLiteral("size"), QString::number(journal.disk.size)},
                     {QStringLiteral("modifiedNs"), QString::number(journal.disk.modifiedNs)},
                     {QStringLiteral("inode"), QString::number(journal.disk.inode)}};
    QJsonObject head{
        {QStringLiteral("kind"), journal.kind == Journal::Kind::Scratch
                                     ? QStringLiteral("scratch")
                                     : QStringLiteral("document")},
        {QStringLiteral("file"), journal.fileName},
        {QStringLiteral("encoding"), encodingName(journal.format.encoding)},
        {QStringLiteral("byteOrderMark"), journal.format.byteOrderMark},
        {QStringLiteral("lineBreaks"), breaksName(journal.format.lineBreaks)},
        {QStringLiteral("finalLineBreak"), journal.format.finalLineBreak},
        {QStringLiteral("written"), journal.written.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("disk"), disk},
        {QStringLiteral("length"), QString::number(journal.text.size())}};
    return magicLine + QJsonDocument(head).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray journalBytes(const Journal& journal) {
    return journalHeader(journal) + journal.text;
}

std::optional<Journal> parseJournal(const QByteArray& bytes) {
    if (!bytes.startsWith(magicLine))
        return std::nullopt;
    const qsizetype headEnd = bytes.indexOf('\n', magicLine.size());
    if (headEnd < 0)
        return std::nullopt;
    const QJsonDocument json =
        QJsonDocument::fromJson(bytes.mid(magicLine.size(), headEnd - magicLine.size()));
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject head = json.object();
    const auto encoding = encodingNamed(head.value(QStringLiteral("encoding")).toString());
    const auto breaks = breaksNamed(head.value(QStringLiteral("lineBreaks")).toString());
    bool lengthRead = false;
    const qsizetype length =
        head.value(QStringLiteral("length")).toString().toLongLong(&lengthRead);
    const qsizetype textStart = headEnd + 1;
    if (!encoding || !breaks || !lengthRead || bytes.size() - textStart != length)
        return std::nullopt;

    Journal journal;
    journal.kind = head.value(QStringLiteral("kind")).toString() == QLatin1String("scratch")
                       ? Journal::Kind::Scratch
                       : Journal::Kind::Document;
    journal.fileName = head.value(QStringLiteral("file")).toString();
    journal.format = {*encoding, head.value(QStringLiteral("byteOrderMark")).toBool(), *breaks,
                      head.value(QStringLiteral("finalLineBreak")).toBool()};
    journal.written =
        QDateTime::fromString(head.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    const QJsonObject disk = head.value(QStringLiteral("disk")).toObject();
    journal.disk.known = disk.value(QStringLiteral("known")).toBool();
    journal.disk.exists = disk.value(QStringLiteral("exists")).toBool();
    journal.disk.size = disk.value(QStringLiteral("size")).toString().toLongLong();
    journal.disk.modifiedNs = disk.value(QStringLiteral("modifiedNs")).toString().toLongLong();
    journal.disk.inode = disk.value(QStringLiteral("inode")).toString().toULongLong();
    journal.text = bytes.mid(textStart);
    return journal;
}
