// Html.ini as arbitrary bytes: reading, deciding whether it is enciphered, the number and
// colour fields, and the cipher's round trip.

#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (decipherSettings(encipherSettings(bytes)) != bytes)
        std::abort();
    const std::optional<QStringList> lines = settingsLinesFromBytes(bytes);
    if (!lines)
        return 0;
    for (const QString& line : *lines) {
        (void)parseSettingsNumber(line);
        if (splitColourFields(line).size() > 3)
            std::abort();
        (void)isBlankSettingsLine(line);
    }
    return 0;
}
