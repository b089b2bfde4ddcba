#pragma once

#include <QObject>

class QMenu;
class SpecialCharactersDialog;
class FeatureContext;

// The umlaut, character-reference, special-character and JavaScript-string items of the HTML
// menu, and the special-characters dialog.
class EntitiesActions : public QObject {
    Q_OBJECT
public:
    explicit EntitiesActions(FeatureContext& context);

    SpecialCharactersDialog& specialCharactersDialog() const { return *m_specialCharacters; }

    void replaceUmlauts();
    void makeCharacterReference();
    void showSpecialCharacters();
    void makeJavaScriptString();

private:
    FeatureContext& m_context;
    SpecialCharactersDialog* m_specialCharacters;
};
