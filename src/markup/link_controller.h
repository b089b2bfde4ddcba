#pragma once

#include <QObject>

class TMainForm;

// The link, colour and font commands.
class LinkController : public QObject {
    Q_OBJECT
public:
    explicit LinkController(TMainForm& window);

private:
    TMainForm& m_window;
};
