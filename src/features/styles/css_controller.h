#pragma once

#include <QObject>

class TFormCss;
class TFormDIV;
class FeatureContext;

// The style command and the DIV and SPAN commands: their menu items, the style button and the
// two dialogs, which live as long as the window.
class CssController : public QObject {
    Q_OBJECT
public:
    explicit CssController(FeatureContext& context);

    void Font2Click();
    void Div1Click();
    void Span1Click();

    TFormCss& cssDialog() const { return *m_css; }
    TFormDIV& divDialog() const { return *m_div; }

private:
    void runDivCommand(int typ);

    FeatureContext& m_context;
    TFormCss* m_css;
    TFormDIV* m_div;
};
