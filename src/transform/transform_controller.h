#pragma once

#include <QObject>

class TMainForm;

// The edit menu's line-break, hyphenation and letter-case commands.
class TransformController : public QObject {
    Q_OBJECT
public:
    explicit TransformController(TMainForm& window);

private:
    TMainForm& m_window;
};
