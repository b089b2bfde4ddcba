#pragma once

#include "foundation/messages/ui_language.h"

#include "features/frames_objects/iframe_markup.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The iFrame dialog: name, size and source of an inline frame. Created once; the fields keep
// what the user left in them.
class TFormIFrame : public QDialog {
    Q_OBJECT
public:
    explicit TFormIFrame(QWidget* parent = nullptr);

    UiLanguage Sprache = UiLanguage::German;
    QString iFrameSource; // the built element; empty unless OK built one

    // Asks for the frame's file; returns its path, or nothing when cancelled.
    std::function<QString()> chooseSourceFile;

    // Shows the texts of Sprache, empties iFrameSource and runs modally.
    int exec() override;

    IFrameFields fields() const;

private:
    void FormShow();
    void MakeFrame();
    void BitBtn3Click();

    QLineEdit* m_name;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLineEdit* m_source;
    QLabel* m_sourceLabel;
    QPushButton* m_sourceButton;
    QPushButton* m_cancel;
};
