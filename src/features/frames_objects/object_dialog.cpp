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

// Hints of the class id, code base, image map, width, height, parameter name, parameter value,
// border and parameter list labels, then the captions of the type label, the add and clear
// buttons and Cancel.
struct ObjectTexts {
    const char* hints[9];
    const char* selectType;
    const char* add;
    const char* clear;
    const char* cancel;
};

const ObjectTexts german{{"Eindeutige ID der Objektklasse", "Codebasis", "Imagemap Name", "Breite",
                          "Höhe", "Parametername", "Wert", "Rahmen", "Liste Parameter"},
                         "Objekttyp auswählen",
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

ObjectDialog::ObjectDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("objectDialog"));

    m_typeCombo = new QComboBox;
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItems(objectTypeNames());
    m_mimeTypeCombo = new QComboBox;
    m_mimeTypeCombo->setObjectName(QStringLiteral("mimeTypeCombo"));
    m_mimeTypeCombo->addItems(mimeTypes());
    m_mimeTypeCombo->setMaxVisibleItems(20);
    // activated: choosing the same type again resets it again.
    connect(m_typeCombo, &QComboBox::activated, this, [this](int i) { pickType(i); });
    connect(m_mimeTypeCombo, &QComboBox::activated, this, [this](int i) { pickMimeType(i); });

    m_classId = namedField("classIdEdit");
    m_codeBase = namedField("codeBaseEdit");
    m_name = namedField("nameEdit");
    m_width = namedField("widthEdit");
    m_height = namedField("heightEdit");
    m_border = namedField("borderEdit");
    m_useMap = namedField("useMapEdit");
    m_parameterName = namedField("parameterNameEdit");
    m_parameterValue = namedField("parameterValueEdit");
    m_parameters = new QPlainTextEdit;
    m_parameters->setObjectName(QStringLiteral("parametersEdit"));
    m_parameters->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_parameters->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_parameters->setTabChangesFocus(true);
    m_parameters->setMinimumSize(680, 180);

    m_typeLabel = namedLabel("typeLabel", QString(), m_typeCombo);
    m_classIdLabel = namedLabel("classIdLabel", QString(), m_classId);
    m_codeBaseLabel = namedLabel("codeBaseLabel", QString(), m_codeBase);
    m_nameLabel = namedLabel("nameLabel", QString(), m_name);
    QLabel* width = namedLabel("widthLabel", QStringLiteral("width"), m_width);
    QLabel* height = namedLabel("heightLabel", QStringLiteral("height"), m_height);
    QLabel* border = namedLabel("borderLabel", QStringLiteral("border"), m_border);
    QLabel* useMap = namedLabel("useMapLabel", QStringLiteral("usemap"), m_useMap);
    QLabel* parameterName =
        namedLabel("parameterNameLabel", QStringLiteral("param name"), m_parameterName);
    QLabel* parameterValue =
        namedLabel("parameterValueLabel", QStringLiteral("value"), m_parameterValue);
    QLabel* parameters = namedLabel("parametersLabel", QStringLiteral("Parameter"), m_parameters);
    m_hinted = {m_classIdLabel, m_codeBaseLabel, useMap, width,     height,
                parameterName,  parameterValue,  border, parameters};

    auto* top = new QGridLayout;
    top->addWidget(m_typeLabel, 0, 0);
    top->addWidget(m_typeCombo, 0, 1);
    m_mimeTypeLabel = namedLabel("mimeTypeLabel", QString(), m_mimeTypeCombo);
    top->addWidget(m_mimeTypeLabel, 0, 2);
    top->addWidget(m_mimeTypeCombo, 0, 3);
    top->setColumnStretch(3, 1);

    auto* attributes = new QGridLayout;
    attributes->addWidget(m_classIdLabel, 0, 0);
    attributes->addWidget(m_classId, 0, 1, 1, 5);
    attributes->addWidget(m_codeBaseLabel, 1, 0);
    attributes->addWidget(m_codeBase, 1, 1, 1, 5);
    attributes->addWidget(m_nameLabel, 2, 0);
    attributes->addWidget(m_name, 2, 1, 1, 5);
    attributes->addWidget(width, 3, 0);
    attributes->addWidget(m_width, 3, 1);
    attributes->addWidget(height, 3, 2);
    attributes->addWidget(m_height, 3, 3);
    attributes->addWidget(border, 3, 4);
    attributes->addWidget(m_border, 3, 5);
    attributes->addWidget(useMap, 4, 0);
    attributes->addWidget(m_useMap, 4, 1);

    m_addParameterButton = new QPushButton;
    m_addParameterButton->setObjectName(QStringLiteral("addParameterButton"));
    m_addParameterButton->setAutoDefault(false);
    connect(m_addParameterButton, &QPushButton::clicked, this, [this] { addParameterLine(); });
    auto* parameterRow = new QHBoxLayout;
    parameterRow->addWidget(parameterName);
    parameterRow->addWidget(m_parameterName, 1);
    parameterRow->addWidget(parameterValue);
    parameterRow->addWidget(m_parameterValue, 1);
    parameterRow->addWidget(m_addParameterButton);

    m_clearParametersButton = new QPushButton;
    m_clearParametersButton->setObjectName(QStringLiteral("clearParametersButton"));
    m_clearParametersButton->setAutoDefault(false);
    connect(m_clearParametersButton, &QPushButton::clicked, this, [this] { clearParameters(); });
    auto* listHead = new QHBoxLayout;
    listHead->addWidget(parameters);
    listHead->addStretch();
    listHead->addWidget(m_clearParametersButton);

    const OkCancelButtons buttons = makeOkCancelButtons(this);
    addHelpButton(buttons.box, 140, [this] { return m_language; });
    installHelpKey(this, 140, [this] { return m_language; });
    m_cancel = buttons.cancel;
    connect(buttons.ok, &QPushButton::clicked, this, [this] { buildElementAndAccept(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(attributes);
    layout->addLayout(parameterRow);
    layout->addLayout(listHead);
    layout->addWidget(m_parameters, 1);
    layout->addWidget(buttons.box);

    showFields();
    prepareToShow();
}

int ObjectDialog::exec() {
    prepareToShow();
    return QDialog::exec();
}

void ObjectDialog::prepareToShow() {
    const ObjectTexts& t = m_language == UiLanguage::German ? german : english;
    for (size_t i = 0; i < m_hinted.size(); ++i) {
        const QString hint = QString::fromUtf8(t.hints[i]);
        m_hinted[i]->setToolTip(hint);
        // The field beside a label says the same, where the pointer usually rests.
        if (QWidget* buddy = m_hinted[i]->buddy())
            buddy->setToolTip(hint);
    }
    m_typeLabel->setText(QString::fromUtf8(t.selectType));
    const bool german = m_language == UiLanguage::German;
    setWindowTitle(german ? QStringLiteral("Objekt") : QStringLiteral("Object"));
    m_mimeTypeLabel->setText(german ? QStringLiteral("MIME-Typen") : QStringLiteral("MIME types"));
    m_addParameterButton->setText(QString::fromUtf8(t.add));
    m_clearParametersButton->setText(QString::fromUtf8(t.clear));
    m_cancel->setText(QString::fromUtf8(t.cancel));
    m_element.clear();
    m_mimeTypeCombo->setCurrentIndex(-1);
    m_fields = fields();
    m_fields.language = m_language;
    resetObjectDialog(m_fields);
    showFields();
}

ObjectFields ObjectDialog::fields() const {
    ObjectFields f = m_fields;
    f.language = m_language;
    f.classId = m_classId->text();
    f.codeBase = m_codeBase->text();
    f.name = m_name->text();
    f.width = m_width->text();
    f.height = m_height->text();
    f.border = m_border->text();
    f.useMap = m_useMap->text();
    f.parameterName = m_parameterName->text();
    f.parameterValue = m_parameterValue->text();
    f.parameters = toCrLf(m_parameters->toPlainText());
    return f;
}

void ObjectDialog::showFields() {
    const ObjectFields& f = m_fields;
    m_typeCombo->setCurrentIndex(static_cast<int>(f.type));
    m_classIdLabel->setText(f.classIdAttribute);
    m_codeBaseLabel->setText(f.codeBaseAttribute);
    m_nameLabel->setText(f.nameAttribute);
    m_classId->setText(f.classId);
    m_codeBase->setText(f.codeBase);
    m_name->setText(f.name);
    m_width->setText(f.width);
    m_height->setText(f.height);
    m_border->setText(f.border);
    m_useMap->setText(f.useMap);
    m_useMap->setEnabled(f.useMapEnabled);
    m_parameterName->setText(f.parameterName);
    m_parameterValue->setText(f.parameterValue);
    if (toCrLf(m_parameters->toPlainText()) != f.parameters)
        m_parameters->setPlainText(fromCrLf(f.parameters));
}

void ObjectDialog::pickType(int index) {
    m_fields = fields();
    applyObjectType(m_fields, static_cast<ObjectType>(index));
    showFields();
}

void ObjectDialog::pickMimeType(int index) {
    m_fields = fields();
    chooseMimeType(m_fields, mimeTypes().value(index));
    showFields();
}

void ObjectDialog::addParameterLine() {
    m_fields = fields();
    addParameter(m_fields);
    showFields();
}

void ObjectDialog::clearParameters() {
    m_parameters->clear();
}

void ObjectDialog::buildElementAndAccept() {
    m_element = objectElement(fields());
    accept();
}
