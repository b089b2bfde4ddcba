#include "features/entities/js_string.h"

#include "foundation/text/text_rules.h"

#include <QList>
#include <QStringView>

namespace {

// A line ends at CR LF, a lone CR or a lone LF, as in the text box the lines were once put
// through. Lines are never split at a width: the result does not depend on a font.
QList<QStringView> splitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    return lines;
}

// Unescaped, a quote or backslash in the line would end the string or swallow the next
// character, and the script would break.
void appendQuoted(QString& out, QStringView line) {
    out += QLatin1Char('\'');
    for (QChar c : line) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            out += QLatin1Char('\\');
        out += c;
    }
    out += QLatin1Char('\'');
}

} // namespace

QString javaScriptString(const QString& selected) {
    const QStringView s = trimBlank(selected);
    if (s.isEmpty())
        return QString();
    const QList<QStringView> lines = splitLines(s);
    QString out;
    out.reserve(s.size() + lines.size() * 5 + 8);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += QLatin1String("\r\n");
        appendQuoted(out, lines[i]);
        out += i + 1 < lines.size() ? QLatin1Char('+') : QLatin1Char(';');
    }
    return out;
}
