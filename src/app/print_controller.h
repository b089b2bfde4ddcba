#pragma once

#include <QObject>

class TMainForm;

// Printing the document.
class PrintController : public QObject {
    Q_OBJECT
public:
    explicit PrintController(TMainForm& window);

private:
    TMainForm& m_window;
};
