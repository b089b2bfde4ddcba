#pragma once

#include "foundation/messages/message_table.h"

#include <QString>

// A text the windows show in both UI languages, kept beside the others of its window.
struct UiText {
    const char* german;
    const char* english;
    QString in(UiLanguage language) const {
        return QString::fromUtf8(language == UiLanguage::German ? german : english);
    }
};
