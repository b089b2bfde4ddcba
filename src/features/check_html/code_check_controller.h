#pragma once

#include <QObject>

class FeatureContext;

// The code check of the HTML menu ("Prüfe HTML").
class CodeCheckController : public QObject {
    Q_OBJECT
public:
    explicit CodeCheckController(FeatureContext& context);

    void Paragraph1Click();

private:
    FeatureContext& m_context;
};
