#include "foundation/settings/settings_cipher.h"

namespace {

constexpr char Key[] = "qomu";
constexpr int KeyLength = 4;

QByteArray shifted(const QByteArray& bytes, int direction) {
    QByteArray result(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const int key = static_cast<unsigned char>(Key[i % KeyLength]);
        const int byte = static_cast<unsigned char>(bytes[i]);
        result[i] = static_cast<char>((byte + direction * key + 256) % 256);
    }
    return result;
}

bool isAsciiLetter(QChar ch, char lower) {
    return ch == QLatin1Char(lower) || ch == QLatin1Char(lower - 'a' + 'A');
}

// Only k, q and o themselves upper-case to K, Q and O, so ASCII folding matches the full
// case mapping here.
bool startsKqo(const QString& text, qsizetype i) {
    return i + 3 <= text.size() && isAsciiLetter(text[i], 'k') && isAsciiLetter(text[i + 1], 'q') &&
           isAsciiLetter(text[i + 2], 'o');
}

// One pass from left to right; what joins up after a removal is not looked at again.
QString withoutKqo(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (startsKqo(text, i)) {
            i += 3;
        } else {
            result.append(text[i]);
            ++i;
        }
    }
    return result;
}

} // namespace

QByteArray encipherSettings(const QByteArray& plain) {
    return shifted(plain, 1);
}

QByteArray decipherSettings(const QByteArray& enciphered) {
    return shifted(enciphered, -1);
}

bool isEnciphered(const QString& text) {
    // The order matters: removing a tab can make a CR LF pair that stays, removing a blank
    // can make a "kqo" that goes.
    QString q = text;
    q.remove(QStringLiteral("\r\n"));
    q.remove(QLatin1Char('\t'));
    q.remove(QLatin1Char(' '));
    q = withoutKqo(q);

    QString p;
    p.reserve(q.size());
    for (const QChar ch : q) {
        if (ch.unicode() > 32 && ch.unicode() <= 126)
            p.append(ch);
    }
    if (p == q)
        return false;
    // len / 1.4 is 5 len / 7, never halfway between two integers, so rounding half to even
    // is plain rounding to nearest.
    const qsizetype threshold = (10 * q.size() + 7) / 14;
    return p.isEmpty() || p.size() < threshold;
}
