#include "widgets/dialog_parts.h"

#include <QDialog>
#include <QDialogButtonBox>
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
