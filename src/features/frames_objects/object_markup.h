#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

class EditorBuffer;

// The object types of ComboBox1, in list order; None while no item is selected.
enum class ObjectType { None = -1, Flash, Data, Java, ActiveX };

// What TFormObject holds: the field texts, the label captions that name three of the
// attributes, and the parameter box (lines joined by CR LF).
struct ObjectFields {
    UiLanguage Sprache = UiLanguage::German;
    ObjectType type = ObjectType::None;
    QString EditClass;
    QString EditCode;
    QString EditName;
    QString EditWidth = QStringLiteral("300");
    QString EditHeight = QStringLiteral("300");
    QString EditBorder;
    QString EditMap = QStringLiteral("#");
    bool mapEnabled = false;
    QString EditPName;
    QString EditPValue;
    QString parameters; // Memo1
    QString Label1 = QStringLiteral("classid");
    QString Label2 = QStringLiteral("codebase");
    QString Label11 = QStringLiteral("name");
};

// The four type names and the 53 MIME types, in list order.
const QStringList& ObjectTypeNames();
const QStringList& MimeTypes();

// Where the Flash presets point; the plug-in page address goes into the embed element.
extern const QString FlashCabinetAddress;
extern const QString FlashPluginPage;

// The reset every preset starts with; width and height stay.
void ClearAll(ObjectFields& fields);
// The dialog's state when it is shown (FormShow): no type, default captions, map disabled.
void ShowObjectDialog(ObjectFields& fields);
// ComboBox1Select: the preset of a type.
void ApplyObjectType(ObjectFields& fields, ObjectType type);
// ComboBox2Select: the MIME type goes into the attribute it belongs to for the current type.
void ChooseMimeType(ObjectFields& fields, const QString& mimeType);
// ButtonAddClick: one param line appended to the parameter box.
void AddParameter(ObjectFields& fields);

// The object element (ObjectTag) the OK button builds.
QString MakeTag(const ObjectFields& fields);

// Puts the element in front of the selection, whose text stays; nothing for a blank element.
void InsertObject(EditorBuffer& editor, const QString& objectTag);
