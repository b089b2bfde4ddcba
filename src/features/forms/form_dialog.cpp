#include "features/forms/form_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct FormTexts {
    const char* input;
    const char* upload;
    const char* submit;
    const char* reset;
    const char* cancel;
};

const FormTexts german{"Eingabefeld einfügen", "Datei Upload einfügen", "Submit Button einfügen",
                       "Reset Button einfügen", "Abbrechen"};
const FormTexts english{"Insert input", "Insert file upload", "Insert submit button",
                        "Insert reset button", "Cancel"};

QCheckBox* namedCheck(const char* name, bool on) {
    auto* box = new QCheckBox;
    box->setObjectName(QLatin1String(name));
    box->setChecked(on);
    return box;
}

QComboBox* namedList(const char* name, const QStringList& items, const QString& current) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    box->setCurrentIndex(items.indexOf(current));
    return box;
}

} // namespace

TFormFormular::TFormFormular(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormFormular"));
    setWindowTitle(QStringLiteral("Forms"));

    const FormFields initial;
    m_name = namedField("EditName", initial.EditName);
    m_action = namedField("EditAction", initial.EditAction);
    m_method = namedList("Method", FormMethods(), initial.Method);
    m_encType = namedList("EncType", FormEncTypes(), initial.EncType);
    m_submit = namedField("EditSubmit", initial.EditSubmit);
    m_input = namedCheck("CheckInput", initial.CheckInput);
    m_upload = namedCheck("CheckUpload", initial.CheckUpload);
    m_submitBox = namedCheck("CheckSubmit", initial.CheckSubmit);
    m_reset = namedCheck("CheckReset", initial.CheckReset);
    // clicked, not toggled: only the user's click couples method and encoding.
    connect(m_upload, &QCheckBox::clicked, this, [this] { CheckUploadClick(); });

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("LabelName", QStringLiteral("Name"), m_name), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(namedLabel("LabelAction", QStringLiteral("Action (Mail/URL)"), m_action), 1, 0);
    grid->addWidget(m_action, 1, 1);
    grid->addWidget(namedLabel("LabelMethod", QStringLiteral("Method"), m_method), 2, 0);
    grid->addWidget(m_method, 2, 1, Qt::AlignLeft);
    grid->addWidget(namedLabel("LabelEncType", QStringLiteral("Enctype"), m_encType), 3, 0);
    grid->addWidget(m_encType, 3, 1, Qt::AlignLeft);
    grid->addWidget(namedLabel("LabelSubmit", QStringLiteral("onSubmit (optional)"), m_submit), 4,
                    0);
    grid->addWidget(m_submit, 4, 1);
    grid->setColumnMinimumWidth(1, 320);
    grid->setColumnStretch(1, 1);

    auto* checks = new QGridLayout;
    checks->addWidget(m_input, 0, 0);
    checks->addWidget(m_upload, 0, 1);
    checks->addWidget(m_submitBox, 1, 0);
    checks->addWidget(m_reset, 1, 1);

    OkCancelButtons buttons = makeOkCancelButtons(this);
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(checks);
    layout->addStretch();
    layout->addWidget(buttons.box);

    QWidget* order[] = {m_name,      m_action, m_method, m_encType,  m_submit,      m_input,
                        m_submitBox, m_upload, m_reset,  buttons.ok, buttons.cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    installHelpKey(this, 150, [this] { return Sprache; });
    FormShow();
}

int TFormFormular::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormFormular::FormShow() {
    FormCode.clear();
    const FormTexts& t = Sprache == UiLanguage::German ? german : english;
    m_input->setText(QString::fromUtf8(t.input));
    m_upload->setText(QString::fromUtf8(t.upload));
    m_submitBox->setText(QString::fromUtf8(t.submit));
    m_reset->setText(QString::fromUtf8(t.reset));
    m_cancel->setText(QString::fromUtf8(t.cancel));
    m_name->setFocus();
}

FormFields TFormFormular::fields() const {
    FormFields f;
    f.Sprache = Sprache;
    f.EditName = m_name->text();
    f.EditAction = m_action->text();
    f.Method = m_method->currentText();
    f.EncType = m_encType->currentText();
    f.EditSubmit = m_submit->text();
    f.CheckInput = m_input->isChecked();
    f.CheckUpload = m_upload->isChecked();
    f.CheckSubmit = m_submitBox->isChecked();
    f.CheckReset = m_reset->isChecked();
    return f;
}

void TFormFormular::CheckUploadClick() {
    FormFields f = fields();
    SetUploadBox(f, m_upload->isChecked());
    m_method->setCurrentIndex(FormMethods().indexOf(f.Method));
    m_encType->setCurrentIndex(FormEncTypes().indexOf(f.EncType));
}

void TFormFormular::BitBtn1Click() {
    FormCode = FormMarkup(fields());
    accept();
}
