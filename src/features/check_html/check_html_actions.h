#pragma once

#include <QObject>

class FeatureContext;

// The code check's item of the HTML menu ("Prüfe HTML" / "Check HTML").
class CheckHtmlActions : public QObject {
    Q_OBJECT
public:
    explicit CheckHtmlActions(FeatureContext& context);

    void checkHtml();

private:
    FeatureContext& m_context;
};
