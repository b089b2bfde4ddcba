#pragma once

#include <QObject>

class TMainForm;

// The style command and the DIV and SPAN commands with their dialogs.
class CssController : public QObject {
    Q_OBJECT
public:
    explicit CssController(TMainForm& window);

private:
    TMainForm& m_window;
};
