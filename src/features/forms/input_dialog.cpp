#include "features/forms/input_dialog.h"

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

const QString PictureFilter = QStringLiteral(
    "Pictures(*.gif,*.jpg,*.png,*.bmp ...) (*.gif *jpg *.jpeg *.png *.bmp *.ico *.pcx *.ani "
    "*.wmf *.cur);;All(*.*) (*)");

} // namespace

TFormInput::TFormInput(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormInput"));
    setWindowTitle(QStringLiteral("Input"));

    const InputFields initial;
    m_type = new QComboBox;
    m_type->setObjectName(QStringLiteral("ComboBoxType"));
    m_type->setEditable(true);
    m_type->setInsertPolicy(QComboBox::NoInsert);
    m_type->addItems(InputTypeNames());
    m_type->setMaxVisibleItems(m_type->count());
    // A typed "TEXT" must stay in capitals, not be completed to the item "text".
    m_type->completer()->setCaseSensitivity(Qt::CaseSensitive);
    // activated: choosing the same type again applies its set-up again.
    connect(m_type, &QComboBox::activated, this, [this](int i) { ComboBoxTypeSelect(i); });

    m_name = namedField("EditName", initial.EditName);
    m_size = namedField("EditSize", initial.EditSize);
    m_length = namedField("EditLength", initial.EditLength);
    m_value = namedField("EditValue", initial.EditValue);
    m_click = namedField("EditClick", initial.EditClick);
    m_image = namedField("EditImage", initial.EditImage);
    for (QLineEdit* small : {m_size, m_length})
        small->setMaximumWidth(80);

    m_sizeLabel = namedLabel("LabelSize", initial.sizeLabel, m_size);
    m_lengthLabel = namedLabel("LabelLength", initial.lengthLabel, m_length);
    m_imageLabel = namedLabel("LabelImage", QString(), m_image);

    m_browse = new QPushButton(themedIcon(QStringLiteral("document-open")), QString());
    m_browse->setObjectName(QStringLiteral("BitBtn1"));
    m_browse->setAutoDefault(false);
    connect(m_browse, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("LabelType", QStringLiteral("Type"), m_type), 0, 0);
    grid->addWidget(m_type, 0, 1, 1, 3);
    grid->addWidget(namedLabel("LabelName", QStringLiteral("Name"), m_name), 1, 0);
    grid->addWidget(m_name, 1, 1, 1, 4);
    grid->addWidget(m_sizeLabel, 2, 0);
    grid->addWidget(m_size, 2, 1);
    grid->addWidget(m_lengthLabel, 2, 2);
    grid->addWidget(m_length, 2, 3);
    grid->addWidget(namedLabel("LabelValue", QStringLiteral("Value/Alt"), m_value), 3, 0);
    grid->addWidget(m_value, 3, 1, 1, 4);
    grid->addWidget(namedLabel("LabelClick", QStringLiteral("onclick"), m_click), 4, 0);
    grid->addWidget(m_click, 4, 1, 1, 4);
    grid->addWidget(m_imageLabel, 5, 0);
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(m_image, 1);
    imageRow->addWidget(m_browse);
    grid->addLayout(imageRow, 5, 1, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(4, 120);

    OkCancelButtons buttons = makeOkCancelButtons(this);
    buttons.ok->setObjectName(QStringLiteral("BitBtn2"));
    buttons.cancel->setObjectName(QStringLiteral("BitBtn3"));
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addWidget(buttons.box);

    QWidget* order[] = {m_type,  m_name,  m_size,   m_length,   m_value,
                        m_click, m_image, m_browse, buttons.ok, buttons.cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    choosePicture = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), PictureFilter);
    };
    installHelpKey(this, 150, [this] { return Sprache; });
    FormShow();
}

int TFormInput::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormInput::FormShow() {
    HTMCode.clear();
    const InputTexts& t = Sprache == UiLanguage::German ? german : english;
    m_imageLabel->setText(QString::fromUtf8(t.image));
    m_browse->setToolTip(QString::fromUtf8(t.browse));
    m_cancel->setText(QString::fromUtf8(t.cancel));
    const int index = state.InpTyp >= 0 && state.InpTyp < m_type->count() ? state.InpTyp : -1;
    m_type->setCurrentIndex(index);
    InputFields f = fields();
    ApplyInputType(f, index);
    showFields(f);
    m_type->setFocus();
}

InputFields TFormInput::fields() const {
    InputFields f;
    f.Sprache = Sprache;
    f.type = m_type->currentText();
    f.EditName = m_name->text();
    f.EditSize = m_size->text();
    f.EditLength = m_length->text();
    f.EditValue = m_value->text();
    f.EditClick = m_click->text();
    f.EditImage = m_image->text();
    f.sizeLabel = m_sizeLabel->text();
    f.lengthLabel = m_lengthLabel->text();
    f.NotInput = state.NotInput;
    return f;
}

void TFormInput::showFields(const InputFields& f) {
    m_name->setText(f.EditName);
    m_size->setText(f.EditSize);
    m_length->setText(f.EditLength);
    m_value->setText(f.EditValue);
    m_click->setText(f.EditClick);
    m_image->setText(f.EditImage);
    m_sizeLabel->setText(f.sizeLabel);
    m_lengthLabel->setText(f.lengthLabel);
}

void TFormInput::ComboBoxTypeSelect(int index) {
    InputFields f = fields();
    ApplyInputType(f, index);
    showFields(f);
}

void TFormInput::BitBtn1Click() {
    const QString path = choosePicture ? choosePicture() : QString();
    if (!path.isEmpty())
        m_image->setText(QFileInfo(path).fileName());
}

void TFormInput::BitBtn2Click() {
    HTMCode = InputMarkup(fields());
    accept();
}
