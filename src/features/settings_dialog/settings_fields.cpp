#include "features/settings_dialog/settings_fields.h"

#include "foundation/markup/html_color.h"
#include "foundation/settings/settings.h"
#include "foundation/settings/settings_file.h"
#include "platform/data_folder.h"

#include <QFileInfo>

namespace {

struct CharsetItem {
    const char* item;
    const char* region;
    const char* germanRegion;
};

constexpr CharsetItem Charsets[] = {
    {"ISO-8859-1", "West Europe", "Westeuropa"},
    {"ISO-8859-13", "Baltic", "Baltisch"},
    {"ISO-8859-7", "Modern Greek", "Neugriechisch"},
    {"ISO-8859-2", "East Europe", "Osteuropa"},
    {"ISO-8859-5", "Russian/Cyrillic", "Russisch/Kyrillisch"},
    {"UTF-8", "UTF-8", "UTF-8"},
    {"Windows-1252", "West Europe", "Westeuropa"},
    {"Windows-1251", "Russian/Cyrillic", "Russisch/Kyrillisch"},
    {"Windows-1253", "Modern Greek", "Neugriechisch"},
    {"Windows-1250", "East Europe", "Osteuropa"},
    {"Windows-1256", "Arabic/Persian", "Arabisch/Persisch"},
};
constexpr int CharsetCount = int(std::size(Charsets));

QString lineAt(const QStringList& lines, int index) {
    return index < lines.size() ? lines[index] : QString();
}

void takeUnlessBlank(const QString& line, QString& field) {
    if (!isBlankSettingsLine(line))
        field = line;
}

// A line break inside a field would shift every later line of the file.
QString oneLine(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The main window deletes a settings file whose line 9 or 10 is no number, and every other
// setting with it; a colour that is no number is written blank, which keeps the colour.
QString colourLine(const QString& text) {
    const std::optional<int> value = settingsColourValue(text);
    return value ? QString::number(*value) : QString();
}

} // namespace

const QStringList& charsetItems() {
    static const QStringList items = [] {
        QStringList list;
        for (const CharsetItem& charset : Charsets)
            list << QLatin1String(charset.item);
        return list;
    }();
    return items;
}

QString charsetRegion(int index, UiLanguage language) {
    if (index < 0 || index >= CharsetCount)
        return QString();
    return QString::fromUtf8(language == UiLanguage::German ? Charsets[index].germanRegion
                                                            : Charsets[index].region);
}

int charsetIndexOf(const QString& line) {
    // A blank line is what a new installation has: its pages are UTF-8.
    if (isBlankSettingsLine(line))
        return int(charsetItems().indexOf(QStringLiteral("UTF-8")));
    int found = 0;
    for (int i = 0; i < CharsetCount; ++i) {
        if (line == QLatin1String(Charsets[i].item))
            found = i;
    }
    return found;
}

void readSettingsFieldLines(const QStringList& lines, SettingsFields& fields) {
    using namespace SettingsLine;
    takeUnlessBlank(lineAt(lines, FontName), fields.fontName);
    takeUnlessBlank(lineAt(lines, FontSize), fields.fontSize);
    fields.lineNumbers = lineAt(lines, LineNumbers) != QLatin1String("false");
    takeUnlessBlank(lineAt(lines, FtpUser), fields.ftpUser);
    takeUnlessBlank(lineAt(lines, FtpPassword), fields.ftpPassword);
    takeUnlessBlank(lineAt(lines, FtpServer), fields.ftpServer);
    fields.anonymousLogin = lineAt(lines, FtpLoginMode) != QLatin1String("UserLogin");
    fields.charsetIndex = charsetIndexOf(lineAt(lines, Charset));
    takeUnlessBlank(lineAt(lines, Browser), fields.browser);
    takeUnlessBlank(lineAt(lines, KeywordColour), fields.keywordColour);
    takeUnlessBlank(lineAt(lines, IdentifierColour), fields.identifierColour);
    // A line with fewer fields leaves the edits after the last one as they were.
    const QStringList colours = splitColourFields(lineAt(lines, ValueCommentEntityColours));
    QString* edits[] = {&fields.valueColour, &fields.commentColour, &fields.entityColour};
    for (int i = 0; i < colours.size() && i < 3; ++i)
        *edits[i] = colours[i];
    fields.reserved = {lineAt(lines, Reserved12), lineAt(lines, Reserved13),
                       lineAt(lines, Reserved14)};
    fields.saveEncoding = lineAt(lines, SaveEncoding);
    // Trimmed as it is written back, so that a line of blanks and controls means the same
    // after a round trip.
    const QString client = trimSettingsText(lineAt(lines, FtpClient));
    // The Windows file manager of older settings is the desktop's handler here.
    fields.ftpClient = isDesktopFtpClient(client) ? desktopFtpClient() : client;
    fields.checkForUpdates = trimSettingsText(lineAt(lines, UpdateCheck)) != QLatin1String("false");
}

QStringList settingsFileLines(const SettingsFields& f) {
    const int charset = f.charsetIndex >= 0 && f.charsetIndex < CharsetCount ? f.charsetIndex : 0;
    QStringList lines{
        f.fontName,
        f.fontSize,
        f.lineNumbers ? QStringLiteral("true") : QStringLiteral("false"),
        f.ftpUser,
        f.ftpPassword,
        f.ftpServer,
        f.anonymousLogin ? QStringLiteral("Anonymous") : QStringLiteral("UserLogin"),
        charsetItems()[charset],
        f.browser,
        colourLine(f.keywordColour),
        colourLine(f.identifierColour),
        trimSettingsText(f.valueColour) + QLatin1Char(';') + trimSettingsText(f.commentColour) +
            QLatin1Char(';') + trimSettingsText(f.entityColour),
        lineAt(f.reserved, 0),
        lineAt(f.reserved, 1),
        lineAt(f.reserved, 2),
        QString::number(uiLanguageNumber(f.language)),
        f.saveEncoding,
        trimSettingsText(f.ftpClient),
        f.checkForUpdates ? QStringLiteral("true") : QStringLiteral("false"),
    };
    for (QString& line : lines)
        line = oneLine(line);
    return lines;
}

std::optional<int> settingsColourValue(const QString& text) {
    return parseSettingsNumber(trimSettingsText(text));
}

QString colourShownText(const QString& stored) {
    const std::optional<int> value = settingsColourValue(stored);
    // Values above FFFFFF were the old platform's system colours: no RGB to show.
    if (!value || *value < 0 || *value > 0xFFFFFF)
        return stored;
    return colourToHtml({*value & 0xFF, (*value >> 8) & 0xFF, (*value >> 16) & 0xFF});
}

QString colourStoredText(const QString& shown) {
    const QString text = trimSettingsText(shown);
    if (text.size() != 7 || !text.startsWith(QLatin1Char('#')))
        return shown;
    const std::optional<RgbColour> colour = htmlToColour(text);
    if (!colour)
        return shown;
    return QString::number(colour->red | colour->green << 8 | colour->blue << 16);
}

SettingsFileState readSettingsFields(const QString& iniPath, SettingsFields& fields) {
    const QString path = settingsFilePath(iniPath);
    if (!QFileInfo::exists(path))
        return SettingsFileState::Missing;
    const std::optional<QStringList> lines = readSettingsFile(path);
    if (!lines)
        return SettingsFileState::Unreadable;
    readSettingsFieldLines(*lines, fields);
    return SettingsFileState::Read;
}

bool writeSettingsFields(const QString& iniPath, const SettingsFields& fields) {
    ensureFolder(iniPath);
    return writeSettingsFile(settingsFilePath(iniPath), settingsFileLines(fields));
}
