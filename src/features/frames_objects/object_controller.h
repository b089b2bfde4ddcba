#pragma once

#include <QObject>

class FeatureContext;
class TFormObject;

// The object command of the HTML menu and its dialog.
class ObjectController : public QObject {
    Q_OBJECT
public:
    explicit ObjectController(FeatureContext& context);

    TFormObject& dialog() const { return *m_dialog; }

    void Object1Click();

private:
    FeatureContext& m_context;
    TFormObject* m_dialog;
};
