#include "features/tables/ins_tr_dialog.h"

#include "features/tables/table_edit.h"
#include "widgets/help.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TFormInsTR::TFormInsTR(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInsTR"));
    installHelpKey(this, 150, [this] { return Sprache; });
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto named = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    BitBtn2 = named("BitBtn2");
    BitBtn1 = named("BitBtn1");
    BitBtn4 = named("BitBtn4");
    BitBtn3 = named("BitBtn3");
    BitBtn2->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    BitBtn4->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn2, &QPushButton::clicked, this, [this] { choose(0); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { choose(1); });
    connect(BitBtn4, &QPushButton::clicked, this, [this] { choose(-1); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] {
        Abbruch = true;
        reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    for (QPushButton* b : {BitBtn2, BitBtn1, BitBtn4})
        layout->addWidget(b);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    auto* cancelRow = new QHBoxLayout;
    cancelRow->addStretch();
    cancelRow->addWidget(BitBtn3);
    layout->addLayout(cancelRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormInsTR::choose(int vor) {
    Vor = vor;
    accept();
}

void TFormInsTR::showEvent(QShowEvent* event) {
    Vor = -1;
    Abbruch = false;
    const InsTrTexts texts = insTrTexts(Sprache);
    setWindowTitle(texts.caption);
    Label1->setText(texts.label);
    BitBtn2->setText(texts.before);
    BitBtn1->setText(texts.behind);
    BitBtn4->setText(texts.endOfTable);
    BitBtn3->setText(texts.cancel);
    BitBtn2->setFocus();
    QDialog::showEvent(event);
}

void TFormInsTR::keyPressEvent(QKeyEvent* event) {
    // Esc is the Cancel button, not just a close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        BitBtn3->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
