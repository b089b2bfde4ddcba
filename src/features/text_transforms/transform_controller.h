#pragma once

#include <QObject>

class FeatureContext;

// The edit menu's line-break, hyphenation and letter-case commands.
class TransformController : public QObject {
    Q_OBJECT
public:
    explicit TransformController(FeatureContext& context);

    void NoLineFeed1Click();
    void InsertLineFeeds1Click();
    void RemoveHyphenation1Click();
    void UppertoLower1Click();
    void LowertoUpper1Click();

private:
    FeatureContext& m_context;
};
