#include "features/forms/form_control_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"
#include "widgets/icons.h"

#include <QComboBox>
#include <QCompleter>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct InputTexts {
    const char* image;
    const char* browse;
    const char* cancel;
};

const InputTexts german{"Grafik Schaltfläche", "Grafik auswählen", "Abbrechen"};
const InputTexts english{"Button graphics", "Choose a picture", "Cancel"};

const UiText Caption{"Eingabeelement", "Input"};
const UiText TypeText{"Typ", "Type"};
const UiText ValueText{"Wert/Alt", "Value/Alt"};

const QString PictureFilter = QStringLiteral(
    "Pictures(*.gif,*.jpg,*.png,*.bmp ...) (*.gif *jpg *.jpeg *.png *.bmp *.ico *.pcx *.ani "
    "*.wmf *.cur);;All(*.*) (*)");

} // namespace

FormControlDialog::FormControlDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formControlDialog"));

    const InputFields initial;
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("typeBox"));
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    m_type->addItems(inputTypeNames());
    m_type->setMaxVisibleItems(m_type->count());
    // A typed "TEXT" must stay in capitals, not be completed to the item "text".
    m_type->completer()->setCaseSensitivity(Qt::CaseSensitive);
    // activated: choosing the same type again applies its set-up again.
    connect(m_type, &QComboBox::activated, this, [this](int i) { applyType(i); });

    m_name = namedField("nameEdit", initial.name);
    m_size = namedField("sizeEdit", initial.size);
    m_length = namedField("lengthEdit", initial.length);
    m_value = namedField("valueEdit", initial.value);
    m_clickScript = namedField("clickScriptEdit", initial.clickScript);
    m_image = namedField("imageEdit", initial.image);
    for (QLineEdit* small : {m_size, m_length})
        small->setMaximumWidth(80);

    m_sizeLabel = namedLabel("sizeLabel", initial.sizeLabel, m_size);
    m_lengthLabel = namedLabel("lengthLabel", initial.lengthLabel, m_length);
    m_imageLabel = namedLabel("imageLabel", QString(), m_image);

    m_browse = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
    m_browse->setObjectName(QStringLiteral("browseButton"));
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, [this] { browseForPicture(); });

    auto* grid = new QGridLayout;
    grid->addWidget(m_captions.add(namedLabel("typeLabel", QString(), m_type), TypeText), 0, 0);
    grid->addWidget(m_type, 0, 1, 1, 3);
    grid->addWidget(namedLabel("nameLabel", QStringLiteral("Name"), m_name), 1, 0);
    grid->addWidget(m_name, 1, 1, 1, 4);
    grid->addWidget(m_sizeLabel, 2, 0);
    grid->addWidget(m_size, 2, 1);
    grid->addWidget(m_lengthLabel, 2, 2);
    grid->addWidget(m_length, 2, 3);
    grid->addWidget(m_captions.add(namedLabel("valueLabel", QString(), m_value), ValueText), 3, 0);
    grid->addWidget(m_value, 3, 1, 1, 4);
    grid->addWidget(namedLabel("clickScriptLabel", QStringLiteral("onclick"), m_clickScript), 4, 0);
    grid->addWidget(m_clickScript, 4, 1, 1, 4);
    grid->addWidget(m_imageLabel, 5, 0);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(m_image, 1);
    imageRow->addWidget(m_browse);
    grid->addLayout(imageRow, 5, 1, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(4, 120);

    OkCancelButtons buttons = makeOkCancelButtons(this);
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { buildMarkup(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons.box);

    QWidget* order[] = {m_type,        m_name,  m_size,   m_length,   m_value,
                        m_clickScript, m_image, m_browse, buttons.ok, buttons.cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    m_choosePicture = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), PictureFilter);
    };
    installHelpKey(this, 150, [this] { return m_language; });
    prepareToShow();
}

int FormControlDialog::execFor(InputCommand command) {
    prepareInputCommand(m_state, command);
    return exec();
}

int FormControlDialog::exec() {
    prepareToShow();
    return QDialog::exec();
}

void FormControlDialog::prepareToShow() {
    m_htmlCode.clear();
    const InputTexts& t = m_language == UiLanguage::German ? german : english;
    setWindowTitle(Caption.in(m_language));
    m_captions.apply(m_language);
    m_imageLabel->setText(QString::fromUtf8(t.image));
    m_browse->setToolTip(QString::fromUtf8(t.browse));
    m_cancel->setText(QString::fromUtf8(t.cancel));
    const int index =
        m_state.typeIndex >= 0 && m_state.typeIndex < m_type->count() ? m_state.typeIndex : -1;
    m_type->setCurrentIndex(index);
    InputFields f = fields();
    applyInputType(f, index);
    showFields(f);
    m_type->setFocus();
}

InputFields FormControlDialog::fields() const {
    InputFields f;
    f.language = m_language;
    f.type = m_type->currentText();
    f.name = m_name->text();
    f.size = m_size->text();
    f.length = m_length->text();
    f.value = m_value->text();
    f.clickScript = m_clickScript->text();
    f.image = m_image->text();
    f.sizeLabel = m_sizeLabel->text();
    f.lengthLabel = m_lengthLabel->text();
    f.buttonElement = m_state.buttonElement;
    return f;
}

void FormControlDialog::showFields(const InputFields& f) {
    m_name->setText(f.name);
    m_size->setText(f.size);
    m_length->setText(f.length);
    m_value->setText(f.value);
    m_clickScript->setText(f.clickScript);
    m_image->setText(f.image);
    m_sizeLabel->setText(f.sizeLabel);
    m_lengthLabel->setText(f.lengthLabel);
}

void FormControlDialog::applyType(int index) {
    InputFields f = fields();
    applyInputType(f, index);
    showFields(f);
}

void FormControlDialog::browseForPicture() {
    const QString path = m_choosePicture ? m_choosePicture() : QString();
    if (!path.isEmpty())
        m_image->setText(QFileInfo(path).fileName());
}

void FormControlDialog::buildMarkup() {
    m_htmlCode = inputMarkup(fields());
    accept();
}
