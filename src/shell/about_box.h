#pragma once

#include "foundation/messages/ui_language.h"

#include <QDialog>

class Platform;
class QLabel;

// The About box: the product, its version and the project's web address.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    AboutBox(Platform& platform, QWidget* parent = nullptr);

    // Shows the box modally with the texts of the language and the version.
    int showModal(UiLanguage language, const QString& version);

    // The address the link shows, by language.
    static QString webAddress(UiLanguage language);

private:
    void showTexts(const QString& version);

    Platform& m_platform;
    UiLanguage m_language = UiLanguage::English;
    QLabel* m_version;
    QLabel* m_description;
    QLabel* m_link;
};

// The version of the running program, shown in the UI language.
void showAboutBox(QWidget* parent, Platform& platform, UiLanguage language);
