#pragma once

#include "foundation/messages/ui_language.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

#include <span>

class EditorBuffer;

// The control types of the form-control dialog's type box; the value is the item index.
enum class InputType {
    Text,
    Hidden,
    Password,
    Button,
    Radio,
    CheckBox,
    File,
    Submit,
    Reset,
    TextArea,
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
QStringList inputTypeNames();

// What the form-control dialog holds besides its type index and button flag: the field
// texts and the two labels the type set-up rewrites.
struct InputFields {
    UiLanguage language = UiLanguage::German;
    QString type; // the type box's text as typed
    QString name = QStringLiteral("Input1");
    QString size = QStringLiteral("50");
    QString length = QStringLiteral("50");
    QString value = QStringLiteral("Default text");
    QString clickScript = QStringLiteral("alert('Use JavaScript');");
    QString image;
    QString sizeLabel = QStringLiteral("Size");
    QString lengthLabel = QStringLiteral("MaxLength");
    // A button becomes a <button> element showing the image instead of an <input>.
    bool buttonElement = false;
};

// The set-up of a type index, applied on opening and on every choice in the type box. Any
// index outside text ... reset (no choice included) gets the text-area set-up.
void applyInputType(InputFields& fields, int index);

// The control's markup as OK builds it; empty for a type text that names no known type.
QString inputMarkup(const InputFields& fields);

// The commands that open the form-control dialog, each with what it does to the type index
// and the button flag.
enum class InputCommand {
    InputBox,
    TextLine,
    Password,
    Upload,
    Hidden,
    Button,
    TextArea,
    Radio,
    CheckBox,
};

// The type index and button flag as the last command left them; they outlive the dialog's
// showings.
struct InputDialogState {
    int typeIndex = 0;
    bool buttonElement = false;
};

void prepareInputCommand(InputDialogState& state, InputCommand command);

// After the form-control dialog closed: nothing on Cancel; otherwise the code goes in at the
// start of the selection, whose text stays after it.
void insertInputCode(EditorBuffer& editor, bool accepted, const QString& htmlCode);

// What the form dialog holds.
struct FormFields {
    UiLanguage language = UiLanguage::German;
    QString name = QStringLiteral("MyForm");
    QString action = QStringLiteral("mailto:name@example.com");
    QString method = QStringLiteral("get");
    QString encoding = QStringLiteral("application/x-www-form-urlencoded");
    QString onSubmit;
    bool withInput = true;
    bool withUpload = false;
    bool withSubmitButton = true;
    bool withResetButton = true;
};

// The items of the method and encoding lists, in list order.
const QStringList& formMethods();
const QStringList& formEncodings();

// The upload box's click: on asks for post and multipart data; off returns the encoding to
// the first item and leaves the method.
void setUploadBox(FormFields& fields, bool on);

// The form as OK builds it.
QString formMarkup(const FormFields& fields);

// After the form dialog: the new form goes in front of the selection, which stays after it.
// A blank selection has been dropped before the dialog opened (prepareFormCommand).
void prepareFormCommand(EditorBuffer& editor);
void insertFormCode(EditorBuffer& editor, const QString& formCode);

// The two ready-made lists; a second one carries the same name again.
extern const QLatin1String SelectBoxMarkup;
extern const QLatin1String DropDownListMarkup;
void insertSelectBoxCode(EditorBuffer& editor);
void insertDropDownListCode(EditorBuffer& editor);
