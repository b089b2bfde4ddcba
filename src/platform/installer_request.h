#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

// What the installer helper is started with: "hexlume", the version, the program's file name
// and the UI language, then the request's own words. Empty words are left out; each word is
// one argument, so a path holding blanks reaches the helper whole.
QStringList installerArguments(const QString& version, const QString& programFileName,
                               UiLanguage uiLanguage, const QStringList& requestWords);

// A request as one text ("PATH del", "default check") back into its words: the last word
// never holds a blank, whatever comes before it is one word.
QStringList installerRequestWords(const QString& request);
