#include "widgets/dialog_parts.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QLineEdit* namedField(const char* name, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QLabel* namedLabel(const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

QComboBox* namedEditableCombo(const char* name, const QStringList& items) {
    auto* box = named(new QComboBox, name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

QFrame* namedColourSwatch(const char* name, int width) {
    auto* panel = named(new QFrame, name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(width, 22);
    return panel;
}

void DialogCaptions::apply(UiLanguage language) const {
    for (const Item& item : m_items) {
        const QString text = item.text.in(language);
        if (auto* label = qobject_cast<QLabel*>(item.widget.data()))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(item.widget.data()))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(item.widget.data()))
            group->setTitle(text);
    }
}

OkCancelButtons makeOkCancelButtons(QDialog* dialog) {
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton;
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* box = new QDialogButtonBox;
    box->addButton(ok, QDialogButtonBox::AcceptRole);
    box->addButton(cancel, QDialogButtonBox::RejectRole);
    return {box, ok, cancel};
}
