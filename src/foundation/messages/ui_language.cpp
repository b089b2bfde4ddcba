#include "foundation/messages/ui_language.h"

#include "foundation/messages/messages.h"

int firstStartLanguage(bool inputLanguageIsGermanGermany) {
    return inputLanguageIsGermanGermany ? UiGerman : UiEnglish;
}

int languageFromSystemName(const QString& name) {
    return name.contains(QLatin1String("Deutsch")) ? UiGerman : UiEnglish;
}
