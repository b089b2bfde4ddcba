#pragma once

#include "foundation/messages/ui_language.h"

#include "features/settings_dialog/settings_fields.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>
#include <utility>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The settings dialog. Created once with the main window; reads Html.ini when shown and
// rewrites it on OK. Only moves values between its widgets and SettingsFields.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);

    // Set by the main window before showing.
    void setLanguage(UiLanguage language) { m_language = language; }
    // The data folder that holds Html.ini.
    void setDataFolder(const QString& folder) { m_dataFolder = folder; }

    // The colour dialog and the program chooser; tests put their own in.
    using ColourChooser = std::function<std::optional<QColor>(const QColor& current)>;
    using ProgramChooser = std::function<QString(const QString& current)>;
    void setColourChooser(ColourChooser chooser) { m_chooseColour = std::move(chooser); }
    void setProgramChooser(ProgramChooser chooser) { m_chooseProgram = std::move(chooser); }

    SettingsFields fields() const;
    void setFields(const SettingsFields& fields);

    // Captions in the dialog's language and the file's values over the fields.
    void reload();
    // Reloads, then runs the modal loop.
    int exec() override;

signals:
    // OK could not write the settings file at this path.
    void writeFailed(const QString& path);

private:
    struct ColourRow {
        QLineEdit* edit;
        QFrame* panel;
        QPushButton* button;
        QLabel* label;
    };

    void saveAndAccept();
    void applyLanguage();
    void showRegion();
    void anonymousChanged();
    void setPanel(const ColourRow& row);
    void pickColour(const ColourRow& row);
    void browse(QLineEdit* edit);

    UiLanguage m_language = UiLanguage::German;
    QString m_dataFolder;
    ColourChooser m_chooseColour;
    ProgramChooser m_chooseProgram;

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
    QLabel* m_userLabel;
    QLabel* m_passwordLabel;
    QLabel* m_serverLabel;
    QCheckBox* m_anonymous;
    QLineEdit* m_client;
    QLabel* m_clientLabel;
    QPushButton* m_clientBrowse;
    QComboBox* m_charset;
    QLabel* m_charsetLabel;
    QLabel* m_region;
    QLineEdit* m_browser;
    QLabel* m_browserLabel;
    QPushButton* m_browserBrowse;
    QGroupBox* m_colours;
    ColourRow m_rows[5];
    QCheckBox* m_update;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QAbstractButton* m_help;
    // Lines the dialog has no control for.
    SettingsFields m_carried;
};
