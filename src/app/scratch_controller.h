#pragma once

#include <QObject>

class TMainForm;

// Opens the scratch window from the Extras menu.
class ScratchController : public QObject {
    Q_OBJECT
public:
    explicit ScratchController(TMainForm& window);

private:
    TMainForm& m_window;
};
