#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

// The language of the windows and messages.
enum class UiLanguage { German, English };

// The language as the settings file and installer requests write it: 0 German, 1 English.
int uiLanguageNumber(UiLanguage language);
// Read back: 1 is English, any other number German.
UiLanguage uiLanguageFromNumber(int number);

// The language of a first start, when no settings file exists.
UiLanguage firstStartLanguage(bool inputLanguageIsGermanGermany);

// The language for a settings file whose language line is blank, from the system language's
// name in its own language.
UiLanguage languageFromSystemName(const QString& name);
