#pragma once

#include "foundation/messages/ui_text.h"

#include <QDialogButtonBox>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

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

// The captions of a dialog's labels, buttons and group boxes in both languages, set together
// when the dialog changes language.
class DialogCaptions {
public:
    template <typename W> W* add(W* widget, const UiText& text) {
        m_items.append({widget, text});
        return widget;
    }
    void apply(UiLanguage language) const;

private:
    struct Item {
        QPointer<QWidget> widget;
        UiText text;
    };
    QList<Item> m_items;
};

// OK (the default button) and Cancel (rejects the dialog). The caller
// connects OK, since each dialog builds its result there.
struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons makeOkCancelButtons(QDialog* dialog);
