// The JavaScript string of random text: never crashes, and read back as a script reads it
// (quoted pieces joined by "+", unescaped) gives exactly the trimmed text's lines.

#include "features/entities/js_string.h"
#include "foundation/text/text_rules.h"
#include "fuzz_input.h"

#include <QStringList>

#include <cstdint>

namespace {

QString textFrom(const uint8_t* data, size_t size) {
    static const char16_t* const pieces[] = {u"'",  u"\\", u"\\'", u"\r\n",   u"\r", u"\n",  u"  ",
                                             u"\t", u"+",  u";",   u"\u00e4", u"\"", u"''+", u"';"};
    return textFromPieces(data, size, pieces);
}

// The lines the script's pieces stand for; aborts on anything that is not a well-formed
// sequence of quoted pieces.
QStringList readBack(const QString& script) {
    QStringList lines;
    qsizetype i = 0;
    while (true) {
        check(i < script.size() && script[i] == QLatin1Char('\''));
        ++i;
        QString line;
        while (true) {
            check(i < script.size());
            const QChar c = script[i++];
            if (c == QLatin1Char('\''))
                break;
            check(c != QLatin1Char('\r') && c != QLatin1Char('\n'));
            if (c == QLatin1Char('\\')) {
                check(i < script.size());
                const QChar escaped = script[i++];
                check(escaped == QLatin1Char('\\') || escaped == QLatin1Char('\''));
                line += escaped;
            } else {
                line += c;
            }
        }
        lines << line;
        check(i < script.size());
        if (script[i] == QLatin1Char(';')) {
            check(i + 1 == script.size());
            return lines;
        }
        check(script.mid(i, 3) == QLatin1String("+\r\n"));
        i += 3;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = textFrom(data, size);
    const QString script = javaScriptString(text);
    const QString s = trimBlank(text).toString();
    if (s.isEmpty()) {
        check(script.isEmpty());
        return 0;
    }
    QString lf = s;
    lf.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    check(readBack(script) == lf.split(QLatin1Char('\n')));
    return 0;
}
