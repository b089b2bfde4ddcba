#pragma once

#include <QString>

// Every CR, LF and CR LF of text as CR LF; one pass, and no copy when nothing changes.
QString toCrLf(const QString& text);
