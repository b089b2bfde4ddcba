#pragma once

#include <QString>
#include <QStringView>

// A text is blank when it holds nothing but characters up to U+0020 (line breaks, tabs,
// blanks, control characters).
inline bool isBlankText(QStringView text) {
    for (QChar c : text)
        if (c.unicode() > 0x20)
            return false;
    return true;
}

// Without the characters up to U+0020 at both ends, as every field and value is trimmed here.
inline QStringView trimBlank(QStringView text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].unicode() <= 0x20)
        ++start;
    while (end > start && text[end - 1].unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

// Letters A-Z only; other letters keep their case.
inline QString asciiLower(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return text;
}
