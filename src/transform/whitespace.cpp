#include "transform/whitespace.h"

namespace {

// One pass: every "  " becomes " ", scanning left to right without overlap.
QString halveOnce(const QString& text) {
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        out.append(text[i]);
        if (text[i] == QLatin1Char(' ') && i + 1 < n && text[i + 1] == QLatin1Char(' '))
            ++i;
    }
    return out;
}

} // namespace

QString halveBlankRuns(const QString& text) {
    if (!text.contains(QLatin1String("  ")))
        return text;
    QString out = text;
    for (int pass = 0; pass < 6; ++pass)
        out = halveOnce(out);
    return out;
}

QString CollapseWhitespace(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && c != QLatin1Char('\t'))
            out.append(c);
    return halveBlankRuns(out);
}

QString JoinLines(const QString& text) {
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n')) {
            ++i;
            continue;
        }
        out.append(text[i]);
    }
    return halveBlankRuns(out);
}
