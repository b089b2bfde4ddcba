#pragma once

#include <QString>

// The shared corpus of real pages beside the repository; empty when it is not there.
QString corpusPagesFolder();
// The golden files of a feature: tests/features/<feature>/data.
QString featureTestData(const QString& feature);
