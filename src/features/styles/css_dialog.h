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
class CssDialog : public QDialog {
    Q_OBJECT
public:
    explicit CssDialog(QWidget* parent = nullptr);

    // The language of the texts, applied at every exec(), and of the help topic.
    void setLanguage(UiLanguage language) { m_language = language; }
    // One line: the bare property list of a style attribute instead of a STYLE element.
    void setOneLine(bool oneLine) { m_oneLine = oneLine; }
    bool isOneLine() const { return m_oneLine; }

    // Clears the result and what every opening resets, then runs the modal loop.
    int exec() override;
    // The style text after OK; empty after Cancel.
    QString style() const { return m_style; }

    CssFields fields() const;
    void setFields(const CssFields& fields);

private:
    void applyLanguage();
    void acceptStyle();
    void pickBackgroundColour();
    void pickTextColour();
    void pickBorderColour();
    void showHelp();
    void pickColour(QLineEdit* field, QFrame* swatch);
    void resetSwatch(QFrame* swatch);

    UiLanguage m_language = UiLanguage::English;
    bool m_oneLine = false;
    QString m_style;
    QLineEdit* m_selector;
    QRadioButton* m_classChoice;
    QRadioButton* m_idChoice;
    QGroupBox* m_positionGroup;
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
    QLineEdit* m_fontFamily;
    QLineEdit* m_fontSize;
    QComboBox* m_fontWeight;
    QComboBox* m_fontStyle;
    QLineEdit* m_textColour;
    QToolButton* m_textColourButton;
    QFrame* m_textSwatch;
    QComboBox* m_textDecoration;
    QComboBox* m_textAlign;
    QGroupBox* m_backgroundGroup;
    QLineEdit* m_backgroundImageUrl;
    QComboBox* m_backgroundRepeat;
    QComboBox* m_backgroundPosition;
    QComboBox* m_backgroundAttachment;
    QLineEdit* m_backgroundColour;
    QToolButton* m_backgroundColourButton;
    QFrame* m_backgroundSwatch;
    QCheckBox* m_useLinkStyles;
    QLineEdit* m_linkStyle;
    QLineEdit* m_visitedStyle;
    QLineEdit* m_focusStyle;
    QLineEdit* m_hoverStyle;
    QLineEdit* m_activeStyle;
    QToolButton* m_help;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
