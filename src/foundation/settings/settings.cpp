#include "foundation/settings/settings.h"

#include "foundation/messages/message_table.h"
#include "foundation/settings/settings_file.h"
#include "foundation/settings/settings_storage.h"
#include "platform/platform.h"

#include <QFile>

namespace {

// New pages are UTF-8 unless the user chose another charset.
const QString DefaultCharset = QStringLiteral("UTF-8");
// Written into lines the file lacks.
const QString PaddingLine = QStringLiteral(" ");
// A short file grows to two lines more than it needs; readers ignore the extra ones.
constexpr int PaddedLineCount = 21;

QString lineAt(const QStringList& lines, int index) {
    return index < lines.size() ? lines[index] : QString();
}

// Any field that is no number ends the line; the fields before it stay applied.
void applyColourFields(const QString& line, EditorSettings& settings) {
    const QStringList fields = splitColourFields(line);
    const std::optional<int> value = parseSettingsNumber(fields[0]);
    if (!value)
        return;
    settings.valueColour = value;
    for (int i = 1; i < fields.size(); ++i) {
        if (fields[i].isEmpty())
            continue;
        const std::optional<int> colour = parseSettingsNumber(fields[i]);
        if (!colour)
            return;
        (i == 1 ? settings.commentColour : settings.entityColour) = colour;
    }
}

// false when a colour line that must be a number is not one; the colour then keeps its value.
bool applyOptionalColour(const QString& line, std::optional<int>& colour) {
    if (isBlankSettingsLine(line))
        return true;
    const std::optional<int> value = parseSettingsNumber(line);
    if (!value)
        return false;
    colour = value;
    return true;
}

// Lines 1 to 18 in order; a line that cannot be read leaves its default and is listed.
QList<int> applyLines(const QStringList& lines, const Platform& platform,
                      EditorSettings& settings) {
    QList<int> unreadable;
    using namespace SettingsLine;
    const QString fontSize = lineAt(lines, FontSize);
    if (!isBlankSettingsLine(fontSize)) {
        if (const std::optional<int> size = parseSettingsNumber(fontSize))
            settings.fontSize = size;
    }
    settings.lineNumbers = lineAt(lines, LineNumbers) != QStringLiteral("false");
    settings.ftpUser = lineAt(lines, FtpUser);
    settings.ftpPassword = lineAt(lines, FtpPassword);
    settings.ftpServer = lineAt(lines, FtpServer);
    settings.ftpLoginMode = lineAt(lines, FtpLoginMode);
    const QString charset = lineAt(lines, Charset);
    settings.charset = isBlankSettingsLine(charset) ? DefaultCharset : charset;
    settings.browserPath = lineAt(lines, Browser);
    if (!applyOptionalColour(lineAt(lines, KeywordColour), settings.keywordColour))
        unreadable << KeywordColour;
    if (!applyOptionalColour(lineAt(lines, IdentifierColour), settings.identifierColour))
        unreadable << IdentifierColour;
    applyColourFields(lineAt(lines, ValueCommentEntityColours), settings);

    const QString language = lineAt(lines, Language);
    const std::optional<int> languageNumber =
        isBlankSettingsLine(language) ? std::nullopt : parseSettingsNumber(language);
    if (languageNumber) {
        settings.uiLanguage = uiLanguageFromNumber(*languageNumber);
    } else {
        if (!isBlankSettingsLine(language))
            unreadable << Language;
        settings.uiLanguage = platform.systemLanguageName().contains(QStringLiteral("Deutsch"))
                                  ? UiLanguage::German
                                  : UiLanguage::English;
    }
    settings.saveEncoding = lineAt(lines, SaveEncoding);
    settings.ftpClient = lineAt(lines, FtpClient);
    settings.updateCheck = trimSettingsText(lineAt(lines, UpdateCheck)) != QStringLiteral("false");
    return unreadable;
}

// The file as it was goes beside it, readable by its owner only (it holds the FTP password);
// the unreadable lines become blank, so that the next start reads the file without a word.
void setUnreadableLinesAside(const QString& path, QStringList lines, const QList<int>& unreadable) {
    const QString aside = path + QStringLiteral(".bad");
    QFile::remove(aside);
    if (QFile::copy(path, aside))
        QFile::setPermissions(aside, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    else
        return; // without the copy the file stays as it is
    for (const int line : unreadable)
        lines[line] = PaddingLine;
    writeSettingsFile(path, lines);
}

} // namespace

SettingsLoadResult loadSettings(const QString& dataFolder, const Platform& platform,
                                EditorSettings& settings) {
    settings.ftpUser.clear();
    settings.ftpPassword.clear();
    settings.ftpServer.clear();
    settings.ftpLoginMode = QStringLiteral("Anonymous");

    const QString path = settingsFilePath(dataFolder);
    const std::optional<QStringList> lines = readSettingsFile(path);
    if (!lines) {
        // Line numbering and the update check keep their values: off and on at start-up.
        settings.uiLanguage =
            platform.inputLanguageIsGermanGermany() ? UiLanguage::German : UiLanguage::English;
        settings.charset = DefaultCharset;
        return SettingsLoadResult::NoFile;
    }
    const QList<int> unreadable = applyLines(*lines, platform, settings);
    if (unreadable.isEmpty())
        return SettingsLoadResult::Applied;
    setUnreadableLinesAside(path, *lines, unreadable);
    return SettingsLoadResult::BadLinesSetAside;
}

bool writeBackSettings(const QString& dataFolder, const EditorSettings& settings,
                       Platform& platform) {
    using namespace SettingsLine;
    const QString path = settingsFilePath(dataFolder);
    QStringList lines;
    if (const std::optional<QStringList> read = readSettingsFile(path)) {
        lines = *read;
        if (lines.size() < LineCount) {
            while (lines.size() < PaddedLineCount)
                lines << PaddingLine;
        }
    } else {
        for (int i = 0; i < LineCount; ++i)
            lines << PaddingLine;
    }
    lines[Language] = QString::number(uiLanguageNumber(settings.uiLanguage));
    lines[SaveEncoding] = settings.saveEncoding;
    lines[FtpClient] = settings.ftpClient;
    lines[UpdateCheck] = settings.updateCheck ? QStringLiteral("true") : QStringLiteral("false");

    if (writeSettingsFile(path, lines))
        return true;
    requestDeleteByInstaller(platform, path);
    platform.pause(400);
    return writeSettingsFile(path, lines);
}
