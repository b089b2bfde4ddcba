#pragma once

#include "foundation/messages/message_table.h"

#include <QString>

#include <optional>

class Platform;

// The FTP client a new installation names: the desktop's handler for ftp:// addresses.
inline QString desktopFtpClient() {
    return QStringLiteral("xdg-open");
}
// Whether an FTP client setting leaves the address to the desktop's handler: blank, the
// handler itself, or the Windows file manager that older settings name.
inline bool isDesktopFtpClient(const QString& client) {
    const QString trimmed = client.trimmed();
    const QString program = trimmed.mid(
        qMax(trimmed.lastIndexOf(QLatin1Char('/')), trimmed.lastIndexOf(QLatin1Char('\\'))) + 1);
    return program.isEmpty() ||
           program.compare(QLatin1String("explorer.exe"), Qt::CaseInsensitive) == 0 ||
           program == desktopFtpClient();
}

// What the main window takes from Html.ini. The defaults are a first start's; an empty optional
// leaves the editor's or the highlighter's own value in place.
struct EditorSettings {
    std::optional<int> fontSize;
    bool lineNumbers = false;
    QString ftpUser;
    QString ftpPassword;
    QString ftpServer;
    QString ftpLoginMode = QStringLiteral("Anonymous");
    QString charset = QStringLiteral("UTF-8");
    QString browserPath;
    // Toolkit colour values: red in the lowest byte, then green, then blue.
    std::optional<int> keywordColour;
    std::optional<int> identifierColour;
    std::optional<int> valueColour;
    std::optional<int> commentColour;
    std::optional<int> entityColour;
    UiLanguage uiLanguage = UiLanguage::English;
    // Lines 16 and 17 exactly as read, so that the write-back keeps them.
    QString saveEncoding;
    QString ftpClient = desktopFtpClient();
    bool updateCheck = true;
};

enum class SettingsLoadResult {
    NoFile,  // first start: language from the input language
    Applied, // every line applied
    // A line 9, 10 or 15 was no number: every other line was applied, those lines kept their
    // defaults, the file as it was is now Html.ini.bad and the lines are blank in Html.ini.
    BadLinesSetAside,
};

// Reads Html.ini into the settings the main window holds; lines that are blank where a value
// is optional leave the current value.
SettingsLoadResult loadSettings(const QString& dataFolder, const Platform& platform,
                                EditorSettings& settings);

// Stores the language, save encoding, FTP client and update check in lines 15 to 18, keeping
// every other line as read. false when the file could not be written, even after asking the
// installer to delete it.
bool writeBackSettings(const QString& dataFolder, const EditorSettings& settings,
                       Platform& platform);
