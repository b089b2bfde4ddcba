#pragma once

#include <QObject>

class FeatureContext;

// The remove-formatting command of the HTML menu and the toolbar.
class RemoveFormatController : public QObject {
    Q_OBJECT
public:
    explicit RemoveFormatController(FeatureContext& context);

    void RemoveFormat1Click();

private:
    // GotoLineAndCenter: the caret already stands on the line; the view puts it in the middle.
    void centreLine(int line);

    FeatureContext& m_context;
};
