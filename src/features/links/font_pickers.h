#pragma once

#include "foundation/messages/ui_language.h"

#include "features/links/font_markup.h"

#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QComboBox;
class QToolBar;

// The font name, colour and size pickers of the standard toolbar that the font command reads.
class FontPickers : public QObject {
    Q_OBJECT
public:
    // chooseColour runs the colour dialog for the "Custom..." entry: nullopt when cancelled.
    FontPickers(QToolBar* bar, const QStringList& fonts,
                std::function<std::optional<RgbColour>(const RgbColour& initial)> chooseColour);

    // What the pickers hold now; a system colour is resolved to what it currently stands for.
    FontSpanFields fields() const;
    void applyLanguage(UiLanguage language);

private:
    void pickColour(int index);
    int customIndex() const;

    QComboBox* m_fontName;
    QComboBox* m_fontColour;
    QComboBox* m_fontSize;
    std::function<std::optional<RgbColour>(const RgbColour&)> m_chooseColour;
    int m_lastColourIndex = 0;
    QList<QAction*> m_actions;
};
