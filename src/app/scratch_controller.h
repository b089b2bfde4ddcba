#pragma once

#include <QObject>

class TMainForm;

// Opens the scratch window from the Extras menu and routes its file choosers and error boxes
// through the window's prompter.
class ScratchController : public QObject {
    Q_OBJECT
public:
    explicit ScratchController(TMainForm& window);

    void Startsimpletexteditor1Click();

private:
    TMainForm& m_window;
};
