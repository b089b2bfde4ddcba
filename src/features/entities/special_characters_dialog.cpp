#include "features/entities/special_characters_dialog.h"

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
    const char* keyCodeHint;
    const char* space;
};

const SpecialTexts german{"Sonderzeichen", "Zeichencode", "Schließen", "Zeichen erzeugen",
                          "Leerz."};
const SpecialTexts english{"Special character", "Key code", "Close", "Create character", "Space"};

} // namespace

SpecialCharactersDialog::SpecialCharactersDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("specialCharactersDialog"));

    // A row of plain buttons, not a QToolBar of actions: the window's toolbar checks and its
    // look-ups of actions by name reach into the dialogs it owns.
    m_entityRow = new QWidget;
    m_entityRow->setObjectName(QStringLiteral("entityButtonRow"));
    auto* row = new QHBoxLayout(m_entityRow);
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
        connect(button, &QToolButton::clicked, this, [this, &entity] { showEntity(entity); });
        row->addWidget(button);
    }
    row->addStretch();

    m_sample = new QPlainTextEdit;
    m_sample->setObjectName(QStringLiteral("sampleEdit"));
    m_sample->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_sample->setTabChangesFocus(true);
    m_sample->setPlainText(specialSampleText().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QFont big = m_sample->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_sample->setFont(big);
    m_sample->setMinimumHeight(110);

    m_code = namedField("codeEdit");
    m_codeLabel = namedLabel("codeLabel", QString(), m_code);

    m_keyCode = new QPushButton;
    m_keyCode->setObjectName(QStringLiteral("keyCodeButton"));
    m_keyCode->setAutoDefault(false);
    connect(m_keyCode, &QPushButton::clicked, this, [this] { takeKeyCode(); });

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { acceptCode(); });
    m_close = new QPushButton;
    m_close->setObjectName(QStringLiteral("closeButton"));
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
    layout->addWidget(m_entityRow);
    layout->addWidget(m_sample, 1);
    layout->addLayout(codeRow);
    layout->addWidget(box);

    setTabOrder(m_sample, m_code);
    setTabOrder(m_code, m_keyCode);
    setTabOrder(m_keyCode, ok);
    setTabOrder(ok, m_close);

    installHelpKey(this, 140, [this] { return m_language; });
    prepareToShow();
}

int SpecialCharactersDialog::exec() {
    prepareToShow();
    return QDialog::exec();
}

void SpecialCharactersDialog::prepareToShow() {
    const SpecialTexts& t = m_language == UiLanguage::German ? german : english;
    setWindowTitle(QString::fromUtf8(t.caption));
    m_codeLabel->setText(QString::fromUtf8(t.keyCode));
    m_keyCode->setText(QString::fromUtf8(t.keyCode));
    m_keyCode->setToolTip(QString::fromUtf8(t.keyCodeHint));
    // The one entity button that names its character instead of showing it.
    findChild<QToolButton*>(QStringLiteral("nonBreakingSpaceButton"))
        ->setText(QString::fromUtf8(t.space));
    m_close->setText(QString::fromUtf8(t.close));
    SpecialFields f = fields();
    openSpecialCharacters(f);
    showFields(f);
    m_sample->setFocus();
}

SpecialFields SpecialCharactersDialog::fields() const {
    return {m_language, m_code->text(), m_result};
}

void SpecialCharactersDialog::showFields(const SpecialFields& f) {
    m_code->setText(f.codeField);
    m_result = f.result;
}

void SpecialCharactersDialog::showEntity(const SpecialEntity& entity) {
    SpecialFields f = fields();
    pressEntityButton(f, entity);
    showFields(f);
}

void SpecialCharactersDialog::takeKeyCode() {
    // A selection across lines holds U+2029 where the editor has a line break.
    QString selected = m_sample->textCursor().selectedText();
    selected.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    SpecialFields f = fields();
    pressKeyCode(f, selected);
    showFields(f);
}

void SpecialCharactersDialog::acceptCode() {
    SpecialFields f = fields();
    pressSpecialOk(f);
    showFields(f);
    accept();
}
