#pragma once

#include <QObject>

class FeatureContext;
class ScratchWindow;

// The one scratch window: opens it from the Extras menu, lends it to the commands that show text
// in it, and routes its file choosers and error boxes through the window's prompter.
class ScratchActions : public QObject {
    Q_OBJECT
public:
    explicit ScratchActions(FeatureContext& context);

    void showScratchWindow();
    ScratchWindow& scratchWindow() const { return *m_scratchWindow; }
    // The window is closing: a changed scratch text asks to be saved; false keeps it open.
    bool closeQuery();

private:
    FeatureContext& m_context;
    ScratchWindow* m_scratchWindow;
};
