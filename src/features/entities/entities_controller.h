#pragma once

#include <QObject>

class QMenu;
class TFormSpecial;
class FeatureContext;

// Umlauts, character references, special characters and the JavaScript string command of the
// HTML menu, and the special-characters dialog.
class EntitiesController : public QObject {
    Q_OBJECT
public:
    explicit EntitiesController(FeatureContext& context);

    TFormSpecial& specialDialog() const { return *m_special; }

    void Replace3Click();
    void MakeEntitie1Click();
    void Sonderzeichen1Click();
    void MakeStringVariable1Click();

private:
    FeatureContext& m_context;
    TFormSpecial* m_special;
};
