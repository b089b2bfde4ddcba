#pragma once

#include "foundation/messages/ui_language.h"

#include <QDialog>

class QPlainTextEdit;

// The code check's report in a window of its own: however long, it scrolls, and its text can
// be selected and copied. Close or Esc closes it; F1 and the help button open the main
// window's help topic.
class CheckReportDialog : public QDialog {
    Q_OBJECT
public:
    CheckReportDialog(const QString& report, UiLanguage language, QWidget* parent = nullptr);

    QString reportText() const;

private:
    QPlainTextEdit* m_text;
};
