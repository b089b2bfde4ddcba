#pragma once

#include "foundation/messages/ui_language.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <span>

class EditorBuffer;

// The control types of TFormInput's type box; the value is the item index (InpTyp).
enum class InputType {
    Text,
    Hidden,
    Password,
    Button,
    Radio,
    Checkbox,
    File,
    Submit,
    Reset,
    Textarea,
    Image,
};

// One item of the type box: the type name and the control name a choice of it sets.
struct InputTypeRow {
    InputType type;
    QLatin1String name;
    QLatin1String controlName;
};

std::span<const InputTypeRow> inputTypeRows();
// The type box's items, in index order.
QStringList InputTypeNames();

// What TFormInput holds besides InpTyp and NotInput: the field texts and the two labels the
// type set-up rewrites.
struct InputFields {
    UiLanguage Sprache = UiLanguage::German;
    QString type; // ComboBoxType's text as typed
    QString EditName = QStringLiteral("Input1");
    QString EditSize = QStringLiteral("50");
    QString EditLength = QStringLiteral("50");
    QString EditValue = QStringLiteral("Default text");
    QString EditClick = QStringLiteral("alert('Use JavaScript');");
    QString EditImage;
    QString sizeLabel = QStringLiteral("Size");
    QString lengthLabel = QStringLiteral("MaxLength");
    bool NotInput = false;
};

// The set-up of a type index, applied on opening and on every choice in the type box. Any
// index outside text ... reset (no choice included) gets the text-area set-up.
void ApplyInputType(InputFields& fields, int index);

// HTMCode as OK builds it; empty for a type text that names no known type.
QString InputMarkup(const InputFields& fields);

// The commands that open TFormInput, each with what it does to InpTyp and NotInput.
enum class InputCommand {
    Inputbox,
    TextLine,
    Password,
    Upload,
    Hidden,
    Button,
    Textarea,
    Radio,
    CheckBox,
};

// InpTyp and NotInput as the last command left them; they outlive the dialog's showings.
struct InputDialogState {
    int InpTyp = 0;
    bool NotInput = false;
};

void PrepareInputCommand(InputDialogState& state, InputCommand command);

// After the input dialog closed: nothing on Cancel; otherwise the code goes in at the start
// of the selection, whose text stays after it.
void InsertInputCode(EditorBuffer& editor, bool accepted, const QString& htmCode);

// What TFormFormular holds.
struct FormFields {
    UiLanguage Sprache = UiLanguage::German;
    QString EditName = QStringLiteral("MyForm");
    QString EditAction = QStringLiteral("mailto:name@example.com");
    QString Method = QStringLiteral("get");
    QString EncType = QStringLiteral("application/x-www-form-urlencoded");
    QString EditSubmit;
    bool CheckInput = true;
    bool CheckUpload = false;
    bool CheckSubmit = true;
    bool CheckReset = true;
};

// The items of the method and encoding lists, in list order.
const QStringList& FormMethods();
const QStringList& FormEncTypes();

// The upload box's click: on asks for post and multipart data; off returns the encoding to
// the first item and leaves the method.
void SetUploadBox(FormFields& fields, bool on);

// FormCode as OK builds it.
QString FormMarkup(const FormFields& fields);

// After the form dialog: the new form goes in front of the selection, which stays after it.
// A blank selection has been dropped before the dialog opened (PrepareFormCommand).
void PrepareFormCommand(EditorBuffer& editor);
void InsertForm(EditorBuffer& editor, const QString& formCode);

// The two ready-made lists; a second one carries the same name again.
extern const QLatin1String SelectboxMarkup;
extern const QLatin1String DropdownListMarkup;
void InsertSelectbox(EditorBuffer& editor);
void InsertDropdownList(EditorBuffer& editor);
