#pragma once

#include <QObject>

class FeatureContext;

// Owns the edit menu's line-break, hyphenation and letter-case items.
class TransformActions : public QObject {
    Q_OBJECT
public:
    explicit TransformActions(FeatureContext& context);

    void removeLineFeeds();
    void insertLineFeeds();
    void removeHyphenation();
    void upperToLower();
    void lowerToUpper();

private:
    FeatureContext& m_context;
};
