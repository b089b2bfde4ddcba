#pragma once

#include "features/styles/div_markup.h"

#include <QObject>

class CssDialog;
class DivDialog;
class FeatureContext;

// The style, DIV and SPAN commands: their menu items, the style button and the two dialogs,
// which live as long as the window.
class StyleActions : public QObject {
    Q_OBJECT
public:
    explicit StyleActions(FeatureContext& context);

    void defineStyle();
    void insertDiv();
    void insertSpan();

    CssDialog& cssDialog() const { return *m_cssDialog; }
    DivDialog& divDialog() const { return *m_divDialog; }

private:
    void wrapSelectionIn(DivSpanTag tag);

    FeatureContext& m_context;
    CssDialog* m_cssDialog;
    DivDialog* m_divDialog;
};
