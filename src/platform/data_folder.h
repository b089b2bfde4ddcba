#pragma once

#include <QString>

// $XDG_DATA_HOME/redodaze/ (default ~/.local/share/redodaze/), with a trailing slash.
QString defaultDataFolder();
// Creates the folder when missing; false when it cannot be made.
bool ensureFolder(const QString& folder);
