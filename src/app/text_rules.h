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

// Letters A-Z only; other letters keep their case.
inline QString asciiLower(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return text;
}
