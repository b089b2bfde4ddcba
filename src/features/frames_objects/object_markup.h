#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

class EditorBuffer;

// The object types of the type list, in list order; None while no item is selected.
enum class ObjectType { None = -1, Flash, Data, Java, ActiveX };

// What the object dialog holds: the field texts, the label captions that name three of the
// attributes, and the parameter box (lines joined by CR LF).
struct ObjectFields {
    UiLanguage language = UiLanguage::German;
    ObjectType type = ObjectType::None;
    // The values of the three attributes whose names the type can change.
    QString classId;
    QString codeBase;
    QString name;
    QString width = QStringLiteral("300");
    QString height = QStringLiteral("300");
    QString border;
    QString useMap = QStringLiteral("#");
    bool useMapEnabled = false;
    QString parameterName;
    QString parameterValue;
    QString parameters;
    // The names those three values are written under: Data makes the first two "data" and
    // "type", Java makes the third "codetype".
    QString classIdAttribute = QStringLiteral("classid");
    QString codeBaseAttribute = QStringLiteral("codebase");
    QString nameAttribute = QStringLiteral("name");
};

// The four type names and the 53 MIME types, in list order.
const QStringList& objectTypeNames();
const QStringList& mimeTypes();

// Where the Flash presets point; the plug-in page address goes into the embed element.
extern const QString FlashCabinetAddress;
extern const QString FlashPluginPage;

// The reset every preset starts with; width and height stay.
void clearObjectFields(ObjectFields& fields);
// The dialog's state each time it is shown: no type, default captions, map disabled.
void resetObjectDialog(ObjectFields& fields);
// The preset of a type picked from the type list.
void applyObjectType(ObjectFields& fields, ObjectType type);
// The MIME type goes into the attribute it belongs to for the current type.
void chooseMimeType(ObjectFields& fields, const QString& mimeType);
// One param line appended to the parameter box.
void addParameter(ObjectFields& fields);

// The object element the OK button builds.
QString objectElement(const ObjectFields& fields);

// Puts the element in front of the selection, whose text stays; nothing for a blank element.
void insertObject(EditorBuffer& editor, const QString& element);
