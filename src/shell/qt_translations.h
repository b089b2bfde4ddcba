#pragma once

#include "foundation/messages/ui_language.h"

// Switches Qt's own texts (standard buttons, file dialogs, key names) to the UI language, so a
// German window does not ask with English buttons.
void useQtTranslations(UiLanguage uiLanguage);
