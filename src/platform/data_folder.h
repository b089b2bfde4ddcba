#pragma once

#include <QString>

// $XDG_DATA_HOME/hexlume/ (default ~/.local/share/hexlume/), with a trailing slash.
QString defaultDataFolder();
// Where earlier versions kept their settings: $XDG_DATA_HOME/redodaze/, with a trailing slash.
QString legacyDataFolder();
// Creates the folder when missing; false when it cannot be made.
bool ensureFolder(const QString& folder);
// Moves the files of the legacy folder into the data folder, never over a file already there,
// and removes the legacy folder once it is empty; a folder that was moved before is gone, so
// this happens once. Returns the names of the files moved.
QStringList moveLegacyDataFiles(const QString& legacyFolder, const QString& dataFolder);
