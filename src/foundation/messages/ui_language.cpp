#include "foundation/messages/ui_language.h"

int uiLanguageNumber(UiLanguage language) {
    return language == UiLanguage::English ? 1 : 0;
}

UiLanguage uiLanguageFromNumber(int number) {
    return number == 1 ? UiLanguage::English : UiLanguage::German;
}

UiLanguage firstStartLanguage(bool inputLanguageIsGermanGermany) {
    return inputLanguageIsGermanGermany ? UiLanguage::German : UiLanguage::English;
}

UiLanguage languageFromSystemName(const QString& name) {
    return name.contains(QLatin1String("Deutsch")) ? UiLanguage::German : UiLanguage::English;
}
