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
class CssDialog;

// The DIV/SPAN property dialog. Only moves texts between its widgets and DivFields; its
// "Style=" button borrows the CSS dialog in one-line mode.
class DivDialog : public QDialog {
    Q_OBJECT
public:
    // What the look-up buttons read and where they show their result; the owner wires them
    // to the main editor, the scratch window and the window's message boxes.
    struct LookupServices {
        std::function<QString()> documentText;
        // Opens the scratch window modally; the result is on the clipboard by then.
        std::function<void(UiLanguage language)> showScratchWindow;
        Prompter* prompter = nullptr;
    };

    DivDialog(CssDialog& cssDialog, LookupServices services, QWidget* parent = nullptr);

    // Read at every exec().
    void setTag(DivSpanTag tag) { m_tag = tag; }
    void setLanguage(UiLanguage language) { m_language = language; }

    // Clears the result, resets the fields for the element, then runs the modal loop.
    int exec() override;
    // The opening tag after OK (empty after Cancel) and its closing tag.
    QString openingTag() const { return m_openingTag; }
    QString closingTag() const { return m_closingTag; }

    DivFields fields() const;
    void setFields(const DivFields& fields);

    void done(int result) override;

private:
    void applyLanguage();
    void acceptTags();
    void clearStyle();
    void editStyleInCssDialog();
    void lookUpIdStyle();
    void lookUpClassStyle();
    void lookUp(SelectorKind kind, const QString& fieldText);

    CssDialog& m_cssDialog;
    LookupServices m_services;
    DivSpanTag m_tag = DivSpanTag::Div;
    UiLanguage m_language = UiLanguage::English;
    QString m_openingTag;
    QString m_closingTag;
    QString m_lookupMessage;
    QLabel* m_tagName;
    QLineEdit* m_class;
    QToolButton* m_classLookupButton;
    QLineEdit* m_id;
    QToolButton* m_idLookupButton;
    QComboBox* m_textAlign;
    QPushButton* m_editStyleButton;
    QLineEdit* m_style;
    QToolButton* m_clearStyleButton;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
