#include "foundation/document/line_breaks.h"

namespace {

bool isAlreadyCrLf(const QString& text) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 == n || text[i + 1] != u'\n')
                return false;
            ++i;
        } else if (c == u'\n') {
            return false;
        }
    }
    return true;
}

} // namespace

QString toCrLf(const QString& text) {
    if (isAlreadyCrLf(text))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 8 + 2);
    const qsizetype n = text.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        out.append(QStringView(text).sliced(runStart, i - runStart));
        out.append(u"\r\n");
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        runStart = i + 1;
    }
    out.append(QStringView(text).sliced(runStart));
    return out;
}
