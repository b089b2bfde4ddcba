#pragma once

#include <QObject>

class TMainForm;

// The wrapping commands: inline formatting, alignment, headings, lists, comment, breaks, script.
class WrapController : public QObject {
    Q_OBJECT
public:
    explicit WrapController(TMainForm& window);

private:
    TMainForm& m_window;
};
