#pragma once

#include <QObject>

class TMainForm;
class TFormObject;

// The object command of the HTML menu and its dialog.
class ObjectController : public QObject {
    Q_OBJECT
public:
    explicit ObjectController(TMainForm& window);

    TFormObject& dialog() const { return *m_dialog; }

    void Object1Click();

private:
    TMainForm& m_window;
    TFormObject* m_dialog;
};
