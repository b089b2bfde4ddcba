#pragma once

#include <QObject>

class TMainForm;

// The image command and its dialog.
class ImageController : public QObject {
    Q_OBJECT
public:
    explicit ImageController(TMainForm& window);

private:
    TMainForm& m_window;
};
