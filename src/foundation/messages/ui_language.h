#pragma once

#include <QString>

// The UiLanguage value (UiGerman or UiEnglish) of a first start, when no settings file exists.
int firstStartLanguage(bool inputLanguageIsGermanGermany);

// The UiLanguage value for a settings file whose language line is blank, from the system
// language's name in its own language.
int languageFromSystemName(const QString& name);
