#pragma once

#include <QObject>

class TMainForm;

// The remove-formatting command of the HTML menu and the toolbar.
class RemoveFormatController : public QObject {
    Q_OBJECT
public:
    explicit RemoveFormatController(TMainForm& window);

private:
    TMainForm& m_window;
};
