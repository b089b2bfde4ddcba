#pragma once

#include "foundation/messages/ui_language.h"

#include "features/styles/div_markup.h"

#include <QDialog>

#include <functional>

class Prompter;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TFormCss;

// The DIV/SPAN property dialog. Only moves texts between its widgets and DivFields; its
// "Style=" button borrows the CSS dialog in one-line mode.
class TFormDIV : public QDialog {
    Q_OBJECT
public:
    // What the look-up buttons read and where they show their result; the owner wires them
    // to the main editor, the scratch window and the window's message boxes.
    struct LookupServices {
        std::function<QString()> documentText;
        // Opens the scratch window modally; the result is on the clipboard by then.
        std::function<void(UiLanguage sprache)> showScratchWindow;
        Prompter* prompter = nullptr;
    };

    TFormDIV(TFormCss& css, LookupServices services, QWidget* parent = nullptr);

    // Set by the caller: 0 DIV, 1 SPAN; 0 German, otherwise English.
    int Typ = DivTyp;
    UiLanguage Sprache = UiLanguage::English;
    // The opening tag after OK (empty after Cancel) and its closing tag.
    QString HtmlCode;
    QString HTMClose;

    // Clears the result, resets the fields for the type, then runs the modal loop.
    int ShowModal();

    DivFields fields() const;
    void setFields(const DivFields& fields);

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Button1Click();
    // ID and class look-ups.
    void SpeedButton1Click();
    void SpeedButton2Click();

    void done(int result) override;

private:
    void applyLanguage();
    void lookUp(DivLookup kind, const QString& fieldText);

    TFormCss& m_css;
    LookupServices m_services;
    QString m_lookupMessage;
    QLabel* m_tagName;
    QLineEdit* m_class;
    QToolButton* m_classLookup;
    QLineEdit* m_id;
    QToolButton* m_idLookup;
    QComboBox* m_align;
    QPushButton* m_styleButton;
    QLineEdit* m_style;
    QToolButton* m_clearStyle;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
