#pragma once

#include "features/recovery/journal.h"
#include "foundation/messages/ui_language.h"

#include <QDialog>

class QLabel;

// Offers one kept text back: recover it, discard it, or decide later (Esc).
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice { Later = QDialog::Rejected, Recover = 10, Discard = 11 };
    static constexpr int HelpContext = 65;

    RecoveryDialog(const Journal& journal, UiLanguage language, QWidget* parent = nullptr);

    QString text() const;

    // How the journal's file stands now, as a sentence; empty when unchanged or untitled.
    static QString diskNote(const Journal& journal, UiLanguage language);

private:
    QLabel* m_text;
};
