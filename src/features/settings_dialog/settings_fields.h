#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

#include <optional>

// The settings dialog's controls as values. The dialog keeps one of these for the whole run,
// so whatever Html.ini does not hold stays as the user last left it.
struct SettingsFields {
    QString fontName; // the editor's font, no visible control
    QString fontSize;
    bool lineNumbers = false;
    QString ftpUser;
    QString ftpPassword;
    QString ftpServer;
    bool anonymousLogin = true;
    QString ftpClient = QStringLiteral("xdg-open");
    int charsetIndex = 5; // into charsetItems(): UTF-8
    QString browser;
    QString keywordColour;
    QString identifierColour; // shown as "Parameter"
    QString valueColour;
    QString commentColour;
    QString entityColour;
    bool checkForUpdates = true;
    UiLanguage language = UiLanguage::German;
    // Carried through as read.
    QStringList reserved{QString(), QString(), QString()};
    QString saveEncoding;
};

// The charset list's items and the region shown beside each.
const QStringList& charsetItems();
QString charsetRegion(int index, UiLanguage language = UiLanguage::English);
// The item equal to the line; UTF-8 when the line is blank, the first item when it names none.
int charsetIndexOf(const QString& line);

// Fills the fields from the lines of Html.ini as the dialog does when shown. Lines the file
// lacks read as empty. The UI language is the window's and is not taken from the file.
void readSettingsFieldLines(const QStringList& lines, SettingsFields& fields);

// The 19 lines OK writes.
QStringList settingsFileLines(const SettingsFields& fields);

// A colour edit's value when it holds a number (blanks around it allowed).
std::optional<int> settingsColourValue(const QString& text);
// Html.ini keeps colours as toolkit values in decimal (red in the lowest byte); the dialog
// shows them as "#RRGGBB". A text that is not such a colour passes through either way, so
// nothing the user typed is lost.
QString colourShownText(const QString& stored);
QString colourStoredText(const QString& shown);

enum class SettingsFileState { Missing, Read, Unreadable };
// Reads Html.ini from the data folder into the fields; a missing or unreadable file leaves
// them as they are.
SettingsFileState readSettingsFields(const QString& iniPath, SettingsFields& fields);
// Replaces Html.ini with the fields' lines; false when it could not be written, in which
// case the old file stays as it was.
bool writeSettingsFields(const QString& iniPath, const SettingsFields& fields);
