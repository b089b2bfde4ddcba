#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A failed check ends the run as a crash the fuzzer records.
inline void check(bool condition) {
    if (!condition)
        std::abort();
}

// Bytes with the high bit set stand for pieces of markup, so the fuzzer meets the tags a
// command looks for often; the others are characters (NUL as a blank when nulAsBlank).
template <std::size_t N>
QString textFromPieces(const std::uint8_t* data, std::size_t size,
                       const char16_t* const (&pieces)[N], bool nulAsBlank = false) {
    QString text;
    text.reserve(qsizetype(size));
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] & 0x80)
            text += QString::fromUtf16(pieces[(data[i] & 0x7F) % N]);
        else
            text += QChar(nulAsBlank && data[i] == 0 ? u' ' : char16_t(data[i]));
    }
    return text;
}
