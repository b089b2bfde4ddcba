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

const FormTexts german{"Eingabefeld einfügen", "Datei-Upload einfügen",
                       "Submit-Schaltfläche einfügen", "Reset-Schaltfläche einfügen", "Abbrechen"};
const FormTexts english{"Insert input", "Insert file upload", "Insert submit button",
                        "Insert reset button", "Cancel"};

const UiText Caption{"Formular", "Form"};
const UiText ActionText{"Aktion (Mail/URL)", "Action (mail/URL)"};
const UiText MethodText{"Methode", "Method"};
const UiText EncodingText{"Kodierung (enctype)", "Encoding (enctype)"};

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

FormDialog::FormDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("formDialog"));

    const FormFields initial;
    m_name = namedField("nameEdit", initial.name);
    m_action = namedField("actionEdit", initial.action);
    m_method = namedList("methodBox", formMethods(), initial.method);
    m_encoding = namedList("encodingBox", formEncodings(), initial.encoding);
    m_onSubmit = namedField("onSubmitEdit", initial.onSubmit);
    m_inputCheck = namedCheck("inputCheckBox", initial.withInput);
    m_uploadCheck = namedCheck("uploadCheckBox", initial.withUpload);
    m_submitCheck = namedCheck("submitCheckBox", initial.withSubmitButton);
    m_resetCheck = namedCheck("resetCheckBox", initial.withResetButton);
    // clicked, not toggled: only the user's click couples method and encoding.
    connect(m_uploadCheck, &QCheckBox::clicked, this, [this] { applyUploadBox(); });

    auto* grid = new QGridLayout;
    grid->addWidget(namedLabel("nameLabel", QStringLiteral("Name"), m_name), 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(m_captions.add(namedLabel("actionLabel", QString(), m_action), ActionText), 1,
                    0);
    grid->addWidget(m_action, 1, 1);
    grid->addWidget(m_captions.add(namedLabel("methodLabel", QString(), m_method), MethodText), 2,
                    0);
    grid->addWidget(m_method, 2, 1, Qt::AlignLeft);
    grid->addWidget(
        m_captions.add(namedLabel("encodingLabel", QString(), m_encoding), EncodingText), 3, 0);
    grid->addWidget(m_encoding, 3, 1, Qt::AlignLeft);
    grid->addWidget(namedLabel("onSubmitLabel", QStringLiteral("onSubmit (optional)"), m_onSubmit),
                    4, 0);
    grid->addWidget(m_onSubmit, 4, 1);
    grid->setColumnMinimumWidth(1, 320);
    grid->setColumnStretch(1, 1);

    auto* checks = new QGridLayout;
    checks->addWidget(m_inputCheck, 0, 0);
    checks->addWidget(m_uploadCheck, 0, 1);
    checks->addWidget(m_submitCheck, 1, 0);
    checks->addWidget(m_resetCheck, 1, 1);

    OkCancelButtons buttons = makeOkCancelButtons(this);
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { buildForm(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(checks);
    layout->addStretch();
    layout->addWidget(buttons.box);

    QWidget* order[] = {m_name,       m_action,     m_method,      m_encoding,
                        m_onSubmit,   m_inputCheck, m_uploadCheck, m_submitCheck,
                        m_resetCheck, buttons.ok,   buttons.cancel};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    installHelpKey(this, 150, [this] { return m_language; });
    prepareToShow();
}

int FormDialog::exec() {
    prepareToShow();
    return QDialog::exec();
}

void FormDialog::prepareToShow() {
    m_htmlCode.clear();
    const FormTexts& t = m_language == UiLanguage::German ? german : english;
    setWindowTitle(Caption.in(m_language));
    m_captions.apply(m_language);
    m_inputCheck->setText(QString::fromUtf8(t.input));
    m_uploadCheck->setText(QString::fromUtf8(t.upload));
    m_submitCheck->setText(QString::fromUtf8(t.submit));
    m_resetCheck->setText(QString::fromUtf8(t.reset));
    m_cancel->setText(QString::fromUtf8(t.cancel));
    m_name->setFocus();
}

FormFields FormDialog::fields() const {
    FormFields f;
    f.language = m_language;
    f.name = m_name->text();
    f.action = m_action->text();
    f.method = m_method->currentText();
    f.encoding = m_encoding->currentText();
    f.onSubmit = m_onSubmit->text();
    f.withInput = m_inputCheck->isChecked();
    f.withUpload = m_uploadCheck->isChecked();
    f.withSubmitButton = m_submitCheck->isChecked();
    f.withResetButton = m_resetCheck->isChecked();
    return f;
}

void FormDialog::applyUploadBox() {
    FormFields f = fields();
    setUploadBox(f, m_uploadCheck->isChecked());
    m_method->setCurrentIndex(formMethods().indexOf(f.method));
    m_encoding->setCurrentIndex(formEncodings().indexOf(f.encoding));
}

void FormDialog::buildForm() {
    m_htmlCode = formMarkup(fields());
    accept();
}
