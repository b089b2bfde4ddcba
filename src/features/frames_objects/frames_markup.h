#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

#include <array>

// The three fixed frameset layouts (radio buttons Frames2 to Frames4).
enum class FrameLayout { Two, Three, Four };

// The fields of one frame group ("Frame1" to "Frame4"), kept as typed.
struct FrameFields {
    QString scrolling = QStringLiteral("auto");
    QString marginWidth = QStringLiteral("5");
    QString marginHeight = QStringLiteral("5");
    bool noresize = true;
    QString source;
};

// What TFormFrames holds; the defaults are the dialog's first state.
struct FramesFields {
    UiLanguage Sprache = UiLanguage::German;
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
QString NoFramesText(UiLanguage language);

// The complete frameset page (FrameSeite) the OK button builds.
QString BasicFrameset(const FramesFields& fields);

// What a source button writes into its field: the chosen file's name without its folder.
QString SourceFieldText(const QString& chosenPath);
