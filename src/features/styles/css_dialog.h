#pragma once

#include "foundation/messages/ui_language.h"

#include "features/styles/css_markup.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// The CSS dialog. Created once and kept, so the fields hold the last use's values; it only
// moves texts between its widgets and CssFields, which decide what is written.
class TFormCss : public QDialog {
    Q_OBJECT
public:
    explicit TFormCss(QWidget* parent = nullptr);

    // Set by the caller before showing: 0 German, otherwise English; block or one-line mode.
    UiLanguage Sprache = UiLanguage::English;
    bool OneLine = false;
    // The style text after OK; empty after Cancel.
    QString MyStyle;

    // Clears the result and what every opening resets, then runs the modal loop.
    int ShowModal();

    CssFields fields() const;
    void setFields(const CssFields& fields);

    void BitBtn1Click();
    void BitBtn2Click();
    // Background, text and border colour.
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void SpeedButton1Click();

private:
    void applyLanguage();
    void pickColour(QLineEdit* field, QFrame* swatch);
    void resetSwatch(QFrame* swatch);

    QLineEdit* m_class;
    QRadioButton* m_classChoice;
    QRadioButton* m_idChoice;
    QGroupBox* m_miscGroup;
    QComboBox* m_position;
    QLineEdit* m_top;
    QLineEdit* m_left;
    QLineEdit* m_width;
    QLineEdit* m_padding;
    QLineEdit* m_margin;
    QGroupBox* m_borderGroup;
    QComboBox* m_borderWidth;
    QLineEdit* m_borderColour;
    QToolButton* m_borderColourButton;
    QFrame* m_borderSwatch;
    QComboBox* m_borderStyle;
    QGroupBox* m_fontGroup;
    QLineEdit* m_font;
    QLineEdit* m_fontSize;
    QComboBox* m_fontWeight;
    QComboBox* m_fontStyle;
    QLineEdit* m_textColour;
    QToolButton* m_textColourButton;
    QFrame* m_textSwatch;
    QComboBox* m_decoration;
    QComboBox* m_textAlign;
    QGroupBox* m_backgroundGroup;
    QLineEdit* m_backUrl;
    QComboBox* m_repeat;
    QComboBox* m_backPosition;
    QComboBox* m_attach;
    QLineEdit* m_backColour;
    QToolButton* m_backColourButton;
    QFrame* m_backSwatch;
    QCheckBox* m_linkStyles;
    QLineEdit* m_link;
    QLineEdit* m_visited;
    QLineEdit* m_focus;
    QLineEdit* m_hover;
    QLineEdit* m_active;
    QToolButton* m_help;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
