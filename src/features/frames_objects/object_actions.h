#pragma once

#include <QObject>

class FeatureContext;
class ObjectDialog;

// The object item of the HTML menu and its dialog.
class ObjectActions : public QObject {
    Q_OBJECT
public:
    explicit ObjectActions(FeatureContext& context);

    ObjectDialog& dialog() const { return *m_dialog; }

    void insertObject();

private:
    FeatureContext& m_context;
    ObjectDialog* m_dialog;
};
