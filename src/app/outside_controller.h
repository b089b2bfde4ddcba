#pragma once

#include <QObject>

class TMainForm;

// Browser, FTP, installer requests, backup files, help and the About box.
class OutsideController : public QObject {
    Q_OBJECT
public:
    explicit OutsideController(TMainForm& window);

private:
    TMainForm& m_window;
};
