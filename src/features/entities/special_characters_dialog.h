#pragma once

#include "foundation/messages/ui_language.h"

#include "features/entities/entities.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The special-characters dialog: entity buttons, a sample editor whose characters turn into
// numeric references, and the code field. Created once; the sample editor keeps what the
// user typed.
class SpecialCharactersDialog : public QDialog {
    Q_OBJECT
public:
    explicit SpecialCharactersDialog(QWidget* parent = nullptr);

    void setLanguage(UiLanguage language) { m_language = language; }
    // What the command inserts, however the dialog closed.
    QString result() const { return m_result; }

    // Clears the result and the code field and sets the texts for the language, then runs
    // modally.
    int exec() override;

private:
    void prepareToShow();
    void showEntity(const SpecialEntity& entity);
    void takeKeyCode();
    void acceptCode();
    SpecialFields fields() const;
    void showFields(const SpecialFields& fields);

    UiLanguage m_language = UiLanguage::German;
    QString m_result;
    QWidget* m_entityRow;
    QPlainTextEdit* m_sample;
    QLineEdit* m_code;
    QLabel* m_codeLabel;
    QPushButton* m_keyCode;
    QPushButton* m_close;
};
