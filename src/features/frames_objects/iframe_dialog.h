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
class IFrameDialog : public QDialog {
    Q_OBJECT
public:
    explicit IFrameDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    // The built element; empty unless OK built one.
    QString element() const { return m_element; }

    // Asks for the frame's file; returns its path, or nothing when cancelled.
    std::function<QString()> chooseSourceFile;

    // Shows the texts of the language, empties the element and runs modally.
    int exec() override;

    IFrameFields fields() const;

private:
    void prepareToShow();
    void buildElementAndAccept();
    void browseForSource();

    UiLanguage m_language = UiLanguage::German;
    QString m_element;
    QLineEdit* m_name;
    QLineEdit* m_width;
    QLineEdit* m_height;
    QLineEdit* m_source;
    QLabel* m_sourceLabel;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    QPushButton* m_browseButton;
    QPushButton* m_cancel;
};
