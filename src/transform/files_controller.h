#pragma once

#include <QObject>

class TMainForm;

// Opens the multi-file search and replace window.
class FilesController : public QObject {
    Q_OBJECT
public:
    explicit FilesController(TMainForm& window);

private:
    TMainForm& m_window;
};
