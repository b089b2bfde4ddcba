#pragma once

#include <QObject>

class FeatureContext;
class TFormText;

// The one scratch window: opens it from the Extras menu, lends it to the commands that show text
// in it, and routes its file choosers and error boxes through the window's prompter.
class ScratchController : public QObject {
    Q_OBJECT
public:
    explicit ScratchController(FeatureContext& context);

    void Startsimpletexteditor1Click();
    TFormText& scratchWindow() const { return *m_scratch; }

private:
    FeatureContext& m_context;
    TFormText* m_scratch;
};
