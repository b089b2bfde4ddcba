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
QString ReplaceUmlauts(const QString& text);
// The whole document rewritten as one undo step; a document without any of the characters
// is left alone.
void ReplaceUmlautsCommand(EditorBuffer& editor);

// "&#" + the decimal value of the text's first UTF-16 code unit + ";"; empty for no text.
QString NumericCharRef(const QString& text);
// The selection replaced by the reference of its first character; with nothing selected the
// user is told to select a character first.
void MakeEntitieCommand(const CommandContext& context);

// Replaces the selection by its JavaScript string; a blank selection is left alone.
void MakeStringVariableCommand(EditorBuffer& editor);

// A caption button of TFormSpecial's entity toolbar.
struct SpecialEntity {
    const char* button;  // object name
    const char* caption; // UTF-8; "Space" for the non-breaking space
    QLatin1String entity;
};

// The entity buttons in toolbar order.
std::span<const SpecialEntity> specialEntities();

// The sample characters of the dialog's editor, lines joined by CR LF.
QString SpecialSampleText();

// What TFormSpecial holds besides its sample editor.
struct SpecialFields {
    UiLanguage Language = UiLanguage::German;
    QString Edit1;
    QString sCode;
};

// Opening clears the result and its field.
void OpenSpecial(SpecialFields& fields);
// An entity button shows its entity; it is inserted only through OK.
void PressEntityButton(SpecialFields& fields, const SpecialEntity& entity);
// "Zeichencode": the reference of the first character selected in the sample editor becomes
// the result at once, so Close inserts it too. Nothing happens without a selection.
void PressKeyCode(SpecialFields& fields, const QString& sampleSelection);
// OK takes the field's text, trimmed.
void PressSpecialOk(SpecialFields& fields);
// However the dialog closed: the result goes in at the start of the selection.
void InsertSpecialCode(EditorBuffer& editor, const QString& sCode);
