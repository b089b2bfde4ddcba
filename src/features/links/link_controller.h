#pragma once

#include "foundation/markup/html_color.h"

#include <QObject>

#include <optional>

class FontPickers;
class TFormSettings;
class FeatureContext;

// The link, colour and font commands: their menu items, buttons and the font pickers of the
// standard toolbar. The markup comes from link_markup and font_markup.
class LinkController : public QObject {
    Q_OBJECT
public:
    explicit LinkController(FeatureContext& context);

    void Link1Click();
    void Color1Click();
    void Font3Click();

private:
    // The desktop's colour dialog; nullopt when cancelled.
    std::optional<RgbColour> chooseColour(const RgbColour& initial);

    FeatureContext& m_context;
    TFormSettings* m_linkDialog;
    FontPickers* m_pickers = nullptr;
    RgbColour m_lastColour;
};
