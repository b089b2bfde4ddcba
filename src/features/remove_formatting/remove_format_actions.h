#pragma once

#include <QObject>

class FeatureContext;

// The remove-formatting command: its item in the HTML menu and its toolbar button.
class RemoveFormatActions : public QObject {
    Q_OBJECT
public:
    explicit RemoveFormatActions(FeatureContext& context);

    void removeFormatting();

private:
    // The caret already stands on the line; the view puts it in the middle.
    void centreLine(int line);

    FeatureContext& m_context;
};
