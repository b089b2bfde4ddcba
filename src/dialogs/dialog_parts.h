#pragma once

#include <QDialogButtonBox>
#include <QString>

class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Widgets the insertion dialogs build alike, named so tests and the language switch find them.
QLineEdit* namedField(const char* name, const QString& text = QString());
QLabel* namedLabel(const char* name, const QString& text, QWidget* buddy);

// OK (BitBtn1, the default button) and Cancel (BitBtn2, rejects the dialog). The caller
// connects OK, since each dialog builds its result there.
struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons makeOkCancelButtons(QDialog* dialog);
