#pragma once

#include "foundation/messages/ui_language.h"

#include "features/settings_dialog/setup_fields.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The settings dialog. Created once with the main window; reads Html.ini when shown and
// rewrites it on OK. Only moves values between its widgets and SetupFields.
class TFormSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFormSetup(QWidget* parent = nullptr);

    // Set by the main window before showing: the UI language (1 English, otherwise German)
    // and the data folder that holds Html.ini.
    UiLanguage PLanguage = UiLanguage::German;
    QString IniPath;

    // The colour dialog and the program chooser; tests put their own in.
    std::function<std::optional<QColor>(const QColor& current)> chooseColour;
    std::function<QString(const QString& current)> chooseProgram;
    // Told the path of a settings file that could not be written.
    std::function<void(const QString& path)> writeFailed;

    SetupFields fields() const;
    void setFields(const SetupFields& fields);

    // Captions, the file's values and the colour panels; then the modal loop.
    int ShowModal();
    void FormShow();

    void BitBtn1Click();

private:
    struct ColourRow {
        QLineEdit* edit;
        QFrame* panel;
        QPushButton* button;
        QLabel* label;
    };

    void applyLanguage();
    void showRegion();
    void anonymousChanged();
    void setPanel(const ColourRow& row);
    void pickColour(const ColourRow& row);
    void browse(QLineEdit* edit);

    QLineEdit* m_fontName;
    QComboBox* m_fontSize;
    QLabel* m_fontSizeLabel;
    QGroupBox* m_numbering;
    QRadioButton* m_numbersOn;
    QRadioButton* m_numbersOff;
    QGroupBox* m_ftp;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_server;
    QLabel* m_passwordLabel;
    QCheckBox* m_anonymous;
    QLineEdit* m_client;
    QPushButton* m_clientBrowse;
    QComboBox* m_charset;
    QLabel* m_region;
    QLineEdit* m_browser;
    QLabel* m_browserLabel;
    QPushButton* m_browserBrowse;
    QGroupBox* m_colours;
    ColourRow m_rows[5];
    QCheckBox* m_update;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    // Lines the dialog has no control for.
    SetupFields m_carried;
};
