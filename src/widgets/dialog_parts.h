#pragma once

#include <QDialogButtonBox>
#include <QString>

class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Names a widget where it is made, so tests and the language switch find it.
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Widgets the insertion dialogs build alike, named so tests and the language switch find them.
QLineEdit* namedField(const char* name, const QString& text = QString());
QLabel* namedLabel(const char* name, const QString& text, QWidget* buddy);
// An editable list where typed text counts as much as the items; typing adds no items.
QComboBox* namedEditableCombo(const char* name, const QStringList& items);
// A sunken panel that shows a chosen colour.
QFrame* namedColourSwatch(const char* name, int width);

// OK (the default button) and Cancel (rejects the dialog). The caller
// connects OK, since each dialog builds its result there.
struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons makeOkCancelButtons(QDialog* dialog);
