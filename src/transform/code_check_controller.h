#pragma once

#include <QObject>

class TMainForm;

// The code check of the HTML menu ("Prüfe HTML").
class CodeCheckController : public QObject {
    Q_OBJECT
public:
    explicit CodeCheckController(TMainForm& window);

    void Paragraph1Click();

private:
    TMainForm& m_window;
};
