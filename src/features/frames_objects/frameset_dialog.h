#pragma once

#include "foundation/messages/ui_language.h"

#include "features/frames_objects/frames_markup.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The frameset dialog: layout, borders and four frame groups; OK builds the whole page.
// Created once; the fields keep what the user left in them.
class FramesetDialog : public QDialog {
    Q_OBJECT
public:
    explicit FramesetDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    // The built page; empty unless OK built one.
    QString page() const { return m_page; }

    // Asks for a frame's file; returns its path, or nothing when cancelled.
    std::function<QString()> chooseSourceFile;

    // Shows the texts of the language, empties the page and runs modally.
    int exec() override;

    FramesFields fields() const;

private:
    struct FrameGroup {
        QGroupBox* group;
        QCheckBox* noresize;
        QLineEdit* height;
        QLineEdit* width;
        QComboBox* scrolling;
        QLineEdit* source;
        QPushButton* browseButton;
    };

    void prepareToShow();
    void buildPageAndAccept();
    void browseForSource(int frame);
    void enableUsedFrames();

    UiLanguage m_language = UiLanguage::German;
    QString m_page;
    QRadioButton* m_layouts[3];
    QCheckBox* m_borders;
    QGroupBox* m_typeGroup;
    FrameGroup m_frames[4];
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
