#include "features/frames_objects/object_dialog.h"

#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Hints of Label1, Label2, Label8, Label3, Label4, Label5, Label6, Label10, Label9, then the
// captions of Label7, ButtonAdd, Button1 and BitBtn2.
struct ObjectTexts {
    const char* hints[9];
    const char* selectType;
    const char* add;
    const char* clear;
    const char* cancel;
};

const ObjectTexts german{{"Eindeutige ID der Objektklasse", "Codebasis", "Imagemap Name", "Breite",
                          "Höhe", "Parametername", "Wert", "Rahmen", "Liste Parameter"},
                         "Objecttyp auswählen",
                         "Hinzufügen",
                         "Löschen",
                         "Abbrechen"};
const ObjectTexts english{{"Unique ID of the object class", "Code base", "Image map name", "Width",
                           "Height", "Parameter name", "Value", "Border", "List of parameters"},
                          "Select object type",
                          "Add",
                          "Delete",
                          "Cancel"};

QString toCrLf(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

QString fromCrLf(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TFormObject::TFormObject(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormObject"));
    setWindowTitle(QStringLiteral("Object"));

    m_types = new QComboBox;
    m_types->setObjectName(QStringLiteral("ComboBox1"));
    m_types->addItems(ObjectTypeNames());
    m_mimeTypes = new QComboBox;
    m_mimeTypes->setObjectName(QStringLiteral("ComboBox2"));
    m_mimeTypes->addItems(MimeTypes());
    m_mimeTypes->setMaxVisibleItems(20);
    // activated: choosing the same type again resets it again.
    connect(m_types, &QComboBox::activated, this, [this](int i) { ComboBox1Select(i); });
    connect(m_mimeTypes, &QComboBox::activated, this, [this](int i) { ComboBox2Select(i); });

    m_class = namedField("EditClass");
    m_code = namedField("EditCode");
    m_name = namedField("EditName");
    m_width = namedField("EditWidth");
    m_height = namedField("EditHeight");
    m_border = namedField("EditBorder");
    m_map = namedField("EditMap");
    m_pName = namedField("EditPName");
    m_pValue = namedField("EditPValue");
    m_parameters = new QPlainTextEdit;
    m_parameters->setObjectName(QStringLiteral("Memo1"));
    m_parameters->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_parameters->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_parameters->setTabChangesFocus(true);
    m_parameters->setMinimumSize(680, 180);

    m_typeLabel = namedLabel("Label7", QString(), m_types);
    m_label1 = namedLabel("Label1", QString(), m_class);
    m_label2 = namedLabel("Label2", QString(), m_code);
    m_label11 = namedLabel("Label11", QString(), m_name);
    QLabel* width = namedLabel("Label3", QStringLiteral("width"), m_width);
    QLabel* height = namedLabel("Label4", QStringLiteral("height"), m_height);
    QLabel* border = namedLabel("Label10", QStringLiteral("border"), m_border);
    QLabel* map = namedLabel("Label8", QStringLiteral("usemap"), m_map);
    QLabel* pName = namedLabel("Label5", QStringLiteral("param name"), m_pName);
    QLabel* pValue = namedLabel("Label6", QStringLiteral("value"), m_pValue);
    QLabel* list = namedLabel("Label9", QStringLiteral("Parameter"), m_parameters);
    m_hinted = {m_label1, m_label2, map, width, height, pName, pValue, border, list};

    auto* top = new QGridLayout;
    top->addWidget(m_typeLabel, 0, 0);
    top->addWidget(m_types, 0, 1);
    top->addWidget(namedLabel("Label12", QStringLiteral("MIME types"), m_mimeTypes), 0, 2);
    top->addWidget(m_mimeTypes, 0, 3);
    top->setColumnStretch(3, 1);

    auto* attributes = new QGridLayout;
    attributes->addWidget(m_label1, 0, 0);
    attributes->addWidget(m_class, 0, 1, 1, 5);
    attributes->addWidget(m_label2, 1, 0);
    attributes->addWidget(m_code, 1, 1, 1, 5);
    attributes->addWidget(m_label11, 2, 0);
    attributes->addWidget(m_name, 2, 1, 1, 5);
    attributes->addWidget(width, 3, 0);
    attributes->addWidget(m_width, 3, 1);
    attributes->addWidget(height, 3, 2);
    attributes->addWidget(m_height, 3, 3);
    attributes->addWidget(border, 3, 4);
    attributes->addWidget(m_border, 3, 5);
    attributes->addWidget(map, 4, 0);
    attributes->addWidget(m_map, 4, 1);

    m_add = new QPushButton;
    m_add->setObjectName(QStringLiteral("ButtonAdd"));
    m_add->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, [this] { ButtonAddClick(); });
    auto* params = new QHBoxLayout;
    params->addWidget(pName);
    params->addWidget(m_pName, 1);
    params->addWidget(pValue);
    params->addWidget(m_pValue, 1);
    params->addWidget(m_add);

    m_delete = new QPushButton;
    m_delete->setObjectName(QStringLiteral("Button1"));
    m_delete->setAutoDefault(false);
    connect(m_delete, &QPushButton::clicked, this, [this] { Button1Click(); });
    auto* listHead = new QHBoxLayout;
    listHead->addWidget(list);
    listHead->addStretch();
    listHead->addWidget(m_delete);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    addHelpButton(buttons.box, 140, [this] { return Sprache; });
    installHelpKey(this, 140, [this] { return Sprache; });
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(attributes);
    layout->addLayout(params);
    layout->addLayout(listHead);
    layout->addWidget(m_parameters, 1);
    layout->addWidget(buttons.box);

    showFields();
    FormShow();
}

int TFormObject::exec() {
    FormShow();
    return QDialog::exec();
}

void TFormObject::FormShow() {
    const ObjectTexts& t = Sprache == UiLanguage::German ? german : english;
    for (size_t i = 0; i < m_hinted.size(); ++i) {
        const QString hint = QString::fromUtf8(t.hints[i]);
        m_hinted[i]->setToolTip(hint);
        // The field beside a label says the same, where the pointer usually rests.
        if (QWidget* buddy = m_hinted[i]->buddy())
            buddy->setToolTip(hint);
    }
    m_typeLabel->setText(QString::fromUtf8(t.selectType));
    m_add->setText(QString::fromUtf8(t.add));
    m_delete->setText(QString::fromUtf8(t.clear));
    m_cancel->setText(QString::fromUtf8(t.cancel));
    ObjectTag.clear();
    m_mimeTypes->setCurrentIndex(-1);
    m_fields = fields();
    m_fields.Sprache = Sprache;
    ShowObjectDialog(m_fields);
    showFields();
}

ObjectFields TFormObject::fields() const {
    ObjectFields f = m_fields;
    f.Sprache = Sprache;
    f.EditClass = m_class->text();
    f.EditCode = m_code->text();
    f.EditName = m_name->text();
    f.EditWidth = m_width->text();
    f.EditHeight = m_height->text();
    f.EditBorder = m_border->text();
    f.EditMap = m_map->text();
    f.EditPName = m_pName->text();
    f.EditPValue = m_pValue->text();
    f.parameters = toCrLf(m_parameters->toPlainText());
    return f;
}

void TFormObject::showFields() {
    const ObjectFields& f = m_fields;
    m_types->setCurrentIndex(static_cast<int>(f.type));
    m_label1->setText(f.Label1);
    m_label2->setText(f.Label2);
    m_label11->setText(f.Label11);
    m_class->setText(f.EditClass);
    m_code->setText(f.EditCode);
    m_name->setText(f.EditName);
    m_width->setText(f.EditWidth);
    m_height->setText(f.EditHeight);
    m_border->setText(f.EditBorder);
    m_map->setText(f.EditMap);
    m_map->setEnabled(f.mapEnabled);
    m_pName->setText(f.EditPName);
    m_pValue->setText(f.EditPValue);
    if (toCrLf(m_parameters->toPlainText()) != f.parameters)
        m_parameters->setPlainText(fromCrLf(f.parameters));
}

void TFormObject::ComboBox1Select(int index) {
    m_fields = fields();
    ApplyObjectType(m_fields, static_cast<ObjectType>(index));
    showFields();
}

void TFormObject::ComboBox2Select(int index) {
    m_fields = fields();
    ChooseMimeType(m_fields, MimeTypes().value(index));
    showFields();
}

void TFormObject::ButtonAddClick() {
    m_fields = fields();
    AddParameter(m_fields);
    showFields();
}

void TFormObject::Button1Click() {
    m_parameters->clear();
}

void TFormObject::BitBtn1Click() {
    ObjectTag = MakeTag(fields());
    accept();
}
