#pragma once

#include <QObject>

class QMenu;
class TFormSpecial;
class TMainForm;

// Umlauts, character references, special characters and the JavaScript string command of the
// HTML menu, and the special-characters dialog.
class EntitiesController : public QObject {
    Q_OBJECT
public:
    explicit EntitiesController(TMainForm& window);

    TFormSpecial& specialDialog() const { return *m_special; }

    void Replace3Click();
    void MakeEntitie1Click();
    void Sonderzeichen1Click();
    void MakeStringVariable1Click();

private:
    TMainForm& m_window;
    TFormSpecial* m_special;
};
