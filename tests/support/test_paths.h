#pragma once

#include <QString>

// The shared corpus of real pages beside the repository; empty when it is not there.
QString corpusPagesFolder();
// The repository's tests/data folder.
QString testDataFolder();
