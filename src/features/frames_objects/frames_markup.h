#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

#include <array>

// The three fixed frameset layouts, one radio button each.
enum class FrameLayout { Two, Three, Four };

// The fields of one of the four frame groups, kept as typed.
struct FrameFields {
    QString scrolling = QStringLiteral("auto");
    QString marginWidth = QStringLiteral("5");
    QString marginHeight = QStringLiteral("5");
    bool noresize = true;
    QString source;
};

// What the frameset dialog holds; the defaults are the dialog's first state.
struct FramesFields {
    UiLanguage language = UiLanguage::German;
    FrameLayout layout = FrameLayout::Two;
    bool borders = true;
    std::array<FrameFields, 4> frames{
        FrameFields{.source = QStringLiteral("Frame1.htm")},
        FrameFields{.source = QStringLiteral("Frame2.htm")},
        FrameFields{.source = QStringLiteral("Frame3.htm")},
        FrameFields{.source = QStringLiteral("Frame4.htm")},
    };
};

int frameCount(FrameLayout layout);

// The text of the noframes body in the dialog's language.
QString noFramesText(UiLanguage language);

// The complete frameset page the OK button builds.
QString framesetPage(const FramesFields& fields);

// What a browse button writes into its field: the chosen file's name without its folder.
QString sourceFieldText(const QString& chosenPath);
