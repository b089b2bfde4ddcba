#pragma once

#include "foundation/messages/ui_language.h"

#include "features/entities/js_string.h"

#include <QLatin1String>
#include <QString>

#include <span>

class EditorBuffer;
struct CommandContext;

// One character the umlaut replacement turns into a named entity.
struct UmlautRow {
    char16_t character;
    QLatin1String entity;
};

// The replacement table in the order the rows are applied.
std::span<const UmlautRow> umlautRows();

// Every umlaut, sharp s, euro, copyright and registered sign replaced by its entity, in one
// pass. The entities hold none of the characters, so this is what applying the rows one
// after the other gives.
QString replaceUmlauts(const QString& text);
// The whole document rewritten as one undo step; a document without any of the characters
// is left alone.
void replaceUmlautsInDocument(EditorBuffer& editor);

// "&#" + the decimal value of the text's first character (a surrogate pair is one) + ";";
// empty for no text.
QString numericCharacterReference(const QString& text);
// The selection replaced by the reference of its first character; with nothing selected the
// user is told to select a character first.
void replaceSelectionByCharacterReference(const CommandContext& context);

// Replaces the selection by its JavaScript string; a blank selection is left alone.
void replaceSelectionByJavaScriptString(EditorBuffer& editor);

// A button of the special-characters dialog's entity row.
struct SpecialEntity {
    const char* button;  // object name
    const char* caption; // UTF-8; "Space" for the non-breaking space
    QLatin1String entity;
};

// The entity buttons in row order.
std::span<const SpecialEntity> specialEntities();

// The sample characters of the dialog's editor, lines joined by CR LF.
QString specialSampleText();

// What the special-characters dialog holds besides its sample editor.
struct SpecialFields {
    UiLanguage language = UiLanguage::German;
    QString codeField; // the text of the code field
    QString result;    // what the command inserts, however the dialog closes
};

// Opening clears the result and the code field.
void openSpecialCharacters(SpecialFields& fields);
// An entity button shows its entity; it is inserted only through OK.
void pressEntityButton(SpecialFields& fields, const SpecialEntity& entity);
// The key-code button: the reference of the first character selected in the sample editor
// becomes the result at once, so Close inserts it too. Nothing happens without a selection.
void pressKeyCode(SpecialFields& fields, const QString& sampleSelection);
// OK takes the code field's text, trimmed.
void pressSpecialOk(SpecialFields& fields);
// However the dialog closed: the result goes in at the start of the selection.
void insertSpecialCode(EditorBuffer& editor, const QString& result);
