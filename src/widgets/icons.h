#pragma once

#include <QIcon>

// An icon from the desktop's theme by its freedesktop name, else the bundled picture of the
// same name, so buttons look right on any desktop.
QIcon themedIcon(const QString& name);
