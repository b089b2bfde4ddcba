#pragma once

#include <QByteArray>
#include <QString>

// Html.ini is stored shifted byte by byte by the key "qomu"; the key restarts at the first byte
// of the file and runs over the line ends too.
QByteArray encipherSettings(const QByteArray& plain);
QByteArray decipherSettings(const QByteArray& enciphered);

// Whether a text read from Html.ini is enciphered: once line ends, tabs, blanks and "kqo" are
// gone, too little of it is printable ASCII. Older files were written in plain text.
bool isEnciphered(const QString& text);
