#include "foundation/text/whitespace.h"

namespace {

// Each halving pass turns a run of n blanks into ceil(n / 2), so six passes leave ceil(n / 64).
// Shortening every run at once gives the same text without six copies of a large document.
void halveRunsInPlace(QString& text) {
    QChar* d = text.data();
    const qsizetype n = text.size();
    qsizetype w = 0;
    for (qsizetype r = 0; r < n;) {
        if (d[r] != QLatin1Char(' ')) {
            d[w++] = d[r++];
            continue;
        }
        const qsizetype start = r;
        while (r < n && d[r] == QLatin1Char(' '))
            ++r;
        for (qsizetype k = (r - start + 63) / 64; k > 0; --k)
            d[w++] = QLatin1Char(' ');
    }
    text.truncate(w);
}

} // namespace

QString halveBlankRuns(const QString& text) {
    if (!text.contains(QLatin1String("  ")))
        return text;
    QString out = text;
    halveRunsInPlace(out);
    return out;
}

QString collapseWhitespace(const QString& text) {
    QString out = text;
    QChar* d = out.data();
    qsizetype w = 0;
    for (qsizetype r = 0; r < out.size(); ++r)
        if (d[r] != QLatin1Char('\r') && d[r] != QLatin1Char('\n') && d[r] != QLatin1Char('\t'))
            d[w++] = d[r];
    out.truncate(w);
    halveRunsInPlace(out);
    return out;
}

QString joinLines(const QString& text) {
    QString out = text;
    QChar* d = out.data();
    const qsizetype n = out.size();
    qsizetype w = 0;
    for (qsizetype r = 0; r < n; ++r) {
        if (d[r] == QLatin1Char('\r') && r + 1 < n && d[r + 1] == QLatin1Char('\n')) {
            ++r;
            continue;
        }
        d[w++] = d[r];
    }
    out.truncate(w);
    halveRunsInPlace(out);
    return out;
}
