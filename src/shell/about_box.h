#pragma once

#include "foundation/messages/ui_language.h"

#include <QDialog>

class Platform;
class QLabel;

// The About box: the product, its version and the project's web address.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Platform& platform, QWidget* parent = nullptr);

    // Set before showing.
    QString Version;
    UiLanguage Language = UiLanguage::English;

    int ShowModal();
    // Sets the texts for Language and Version; ShowModal does it too.
    void FormShow();

    // The address the link shows, by language.
    static QString webAddress(UiLanguage language);

private:
    Platform& m_platform;
    QLabel* m_version;
    QLabel* m_description;
    QLabel* m_link;
};

// HelpAbout: the version of the running program, shown in the UI language.
void HelpAbout(QWidget* parent, Platform& platform, UiLanguage language);
