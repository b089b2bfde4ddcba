#include "features/entities/special_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct SpecialTexts {
    const char* caption;
    const char* keyCode;
    const char* close;
};

const SpecialTexts german{"Sonderzeichen", "Zeichencode", "Schliessen"};
const SpecialTexts english{"Special character", "Key code", "Close"};

// The same in both languages.
const QString KeyCodeHint = QStringLiteral("Create character");

} // namespace

TFormSpecial::TFormSpecial(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSpecial"));

    // A row of plain buttons, not a QToolBar of actions: the window's language switch and its
    // toolbar checks look at actions by name, and several of these names are the main
    // toolbar's too.
    m_entities = new QWidget;
    m_entities->setObjectName(QStringLiteral("ToolBar1"));
    auto* row = new QHBoxLayout(m_entities);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (const SpecialEntity& entity : specialEntities()) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(entity.button));
        // "&&" shows the ampersand itself instead of marking a shortcut letter.
        button->setText(
            QString::fromUtf8(entity.caption).replace(QLatin1Char('&'), QLatin1String("&&")));
        button->setToolTip(QString(entity.entity));
        button->setMinimumWidth(26);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, &entity] { entityClick(entity); });
        row->addWidget(button);
    }
    row->addStretch();

    m_sample = new QPlainTextEdit;
    m_sample->setObjectName(QStringLiteral("SynMemo1"));
    m_sample->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_sample->setTabChangesFocus(true);
    m_sample->setPlainText(SpecialSampleText().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QFont big = m_sample->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_sample->setFont(big);
    m_sample->setMinimumHeight(110);

    m_code = namedField("Edit1");
    m_codeLabel = namedLabel("Label1", QString(), m_code);

    m_keyCode = new QPushButton;
    m_keyCode->setObjectName(QStringLiteral("BitBtn3"));
    m_keyCode->setAutoDefault(false);
    m_keyCode->setToolTip(KeyCodeHint);
    connect(m_keyCode, &QPushButton::clicked, this, [this] { BitBtn3Click(); });

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BitBtnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { BitBtnOkClick(); });
    m_close = new QPushButton;
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* box = new QDialogButtonBox;
    box->addButton(ok, QDialogButtonBox::AcceptRole);
    box->addButton(m_close, QDialogButtonBox::RejectRole);

    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_codeLabel);
    codeRow->addWidget(m_code, 1);
    codeRow->addWidget(m_keyCode);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_entities);
    layout->addWidget(m_sample, 1);
    layout->addLayout(codeRow);
    layout->addWidget(box);

    setTabOrder(m_sample, m_code);
    setTabOrder(m_code, m_keyCode);
    setTabOrder(m_keyCode, ok);
    setTabOrder(ok, m_close);

    installHelpKey(this, 140, [this] { return Language; });
    FormShow();
}

int TFormSpecial::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormSpecial::FormShow() {
    const SpecialTexts& t = Language == UiLanguage::German ? german : english;
    setWindowTitle(QString::fromUtf8(t.caption));
    m_codeLabel->setText(QString::fromUtf8(t.keyCode));
    m_keyCode->setText(QString::fromUtf8(t.keyCode));
    m_close->setText(QString::fromUtf8(t.close));
    SpecialFields f = fields();
    OpenSpecial(f);
    showFields(f);
    m_sample->setFocus();
}

SpecialFields TFormSpecial::fields() const {
    return {Language, m_code->text(), sCode};
}

void TFormSpecial::showFields(const SpecialFields& f) {
    m_code->setText(f.Edit1);
    sCode = f.sCode;
}

void TFormSpecial::entityClick(const SpecialEntity& entity) {
    SpecialFields f = fields();
    PressEntityButton(f, entity);
    showFields(f);
}

void TFormSpecial::BitBtn3Click() {
    // A selection across lines holds U+2029 where the editor has a line break.
    QString selected = m_sample->textCursor().selectedText();
    selected.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    SpecialFields f = fields();
    PressKeyCode(f, selected);
    showFields(f);
}

void TFormSpecial::BitBtnOkClick() {
    SpecialFields f = fields();
    PressSpecialOk(f);
    showFields(f);
    accept();
}
