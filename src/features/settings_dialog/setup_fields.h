#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

#include <optional>

// The settings dialog's controls as values. The dialog keeps one of these for the whole run,
// so whatever Html.ini does not hold stays as the user last left it.
struct SetupFields {
    QString Edit1; // editor font name, no visible control
    QString Edit2; // font size
    bool ZeilenNummern = false;
    QString EditUser;
    QString MaskEditPass;
    QString EditServer;
    bool CheckAnonym = true;
    QString EditClient = QStringLiteral("explorer.exe");
    int ComboISO = 0;
    QString EditBrowser;
    QString EditIdentifier;
    QString EditParameter;
    QString EditValue;
    QString EditComment;
    QString EditAnd;
    bool CheckBoxUpdate = true;
    UiLanguage PLanguage = UiLanguage::German;
    // Carried through as read.
    QStringList reserved{QString(), QString(), QString()};
    QString saveEncoding;
};

// ComboISO's items and the region LabelIso shows for each.
const QStringList& charsetItems();
QString charsetRegion(int index);
// The item equal to the line; 0 when the line is blank or names no item.
int charsetIndexOf(const QString& line);

// Fills the fields from the lines of Html.ini as the dialog does when shown. Lines the file
// lacks read as empty. The UI language is the window's and is not taken from the file.
void readSetupLines(const QStringList& lines, SetupFields& fields);

// The 19 lines OK writes.
QStringList setupFileLines(const SetupFields& fields);

// A colour edit's value when it holds a number (blanks around it allowed).
std::optional<int> setupColourValue(const QString& text);

enum class SetupFileState { Missing, Read, Unreadable };
// Reads Html.ini from the data folder into the fields; a missing or unreadable file leaves
// them as they are.
SetupFileState readSetupFile(const QString& iniPath, SetupFields& fields);
// Replaces Html.ini with the fields' lines; false when it could not be written, in which
// case the old file stays as it was.
bool writeSetupFile(const QString& iniPath, const SetupFields& fields);
