#include "features/tables/placement_dialog.h"

#include "features/tables/table_edit.h"
#include "widgets/help.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

PlacementDialog::PlacementDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("placementDialog"));
    installHelpKey(this, 150, [this] { return m_language; });
    m_questionLabel = new QLabel(this);
    m_questionLabel->setObjectName(QStringLiteral("questionLabel"));
    auto named = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    m_beforeButton = named("beforeButton");
    m_behindButton = named("behindButton");
    m_endOfTableButton = named("endOfTableButton");
    m_cancelButton = named("cancelButton");
    m_beforeButton->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_behindButton->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_endOfTableButton->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    m_cancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(m_beforeButton, &QPushButton::clicked, this,
            [this] { choose(Prompter::Placement::Before); });
    connect(m_behindButton, &QPushButton::clicked, this,
            [this] { choose(Prompter::Placement::Behind); });
    connect(m_endOfTableButton, &QPushButton::clicked, this,
            [this] { choose(Prompter::Placement::Cancel); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] {
        m_cancelled = true;
        reject();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_questionLabel);
    for (QPushButton* b : {m_beforeButton, m_behindButton, m_endOfTableButton})
        layout->addWidget(b);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    auto* cancelRow = new QHBoxLayout;
    cancelRow->addStretch();
    cancelRow->addWidget(m_cancelButton);
    layout->addLayout(cancelRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PlacementDialog::setEndOfTableEnabled(bool enabled) {
    m_endOfTableButton->setEnabled(enabled);
}

void PlacementDialog::choose(Prompter::Placement placement) {
    m_placement = placement;
    accept();
}

void PlacementDialog::showEvent(QShowEvent* event) {
    m_placement = Prompter::Placement::Cancel;
    m_cancelled = false;
    const PlacementTexts texts = placementTexts(m_language);
    setWindowTitle(texts.caption);
    m_questionLabel->setText(texts.label);
    m_beforeButton->setText(texts.before);
    m_behindButton->setText(texts.behind);
    m_endOfTableButton->setText(texts.endOfTable);
    m_cancelButton->setText(texts.cancel);
    m_beforeButton->setFocus();
    QDialog::showEvent(event);
}

void PlacementDialog::keyPressEvent(QKeyEvent* event) {
    // Esc is the Cancel button, not just a close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
