#pragma once

#include "foundation/messages/messages.h"

#include <QString>

// A text the windows show in both UI languages, kept beside the others of its window.
struct UiText {
    const char* german;
    const char* english;
    QString in(int language) const {
        return QString::fromUtf8(language == UiGerman ? german : english);
    }
};
