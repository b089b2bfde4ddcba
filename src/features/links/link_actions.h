#pragma once

#include "foundation/markup/html_color.h"

#include <QObject>

#include <optional>

class FontPickers;
class LinkDialog;
class FeatureContext;

// The link, colour and font commands: their menu items, buttons, the link dialog and the font
// pickers of the standard toolbar. The markup comes from link_markup and font_markup.
class LinkActions : public QObject {
    Q_OBJECT
public:
    explicit LinkActions(FeatureContext& context);

    void insertLink();
    void insertColourCode();
    void wrapInFontSpan();

private:
    // The desktop's colour dialog; nullopt when cancelled.
    std::optional<RgbColour> chooseColour(const RgbColour& initial);

    FeatureContext& m_context;
    LinkDialog* m_linkDialog;
    FontPickers* m_pickers = nullptr;
    RgbColour m_lastColour;
};
