#pragma once

#include "foundation/messages/ui_language.h"

#include "foundation/commands/command_context.h"

#include <QString>
#include <QStringList>

class EditorBuffer;

// The document-type dialog as data: which item of each radio group is chosen. Every opening
// starts from HTML 5, today's page.
struct DocTypeFields {
    int documentIndex = 2;      // 0 HTML 4, 1 XHTML, 2 HTML 5
    int specificationIndex = 0; // 0 Transitional, 1 Strict, 2 Frameset
};

// HTML 5 has no Transitional, Strict or Frameset: the choice is off for it.
bool specificationApplies(const DocTypeFields& fields);
// The dialog's result: the chosen type's code on OK, 0 on Cancel.
int docTypeResult(const DocTypeFields& fields, bool accepted);

// The dialog's texts in one language.
struct DocTypeDialogTexts {
    QString caption;
    QString documentGroup;
    QStringList documentItems;
    QString specificationGroup;
    QStringList specificationItems;
    QString note;
    QString ok;
    QString cancel;
};
DocTypeDialogTexts docTypeDialogTexts(UiLanguage language);

// The box the Doctype command shows after giving the root element its XHTML namespace.
QString runCodeCheckNote(UiLanguage language);

// Save's stamp: stampGeneratorElement, then the selection put back on the same characters, so
// saving never moves the caret (the stamp itself selects, or rewrites the whole text).
void stampGeneratorKeepingSelection(EditorBuffer& editor);

// The Doctype command: asks for a type and puts its declaration in front of the first line;
// an XHTML type also gets its namespace on the first plain "<html>" and a hint to run the
// code check.
void insertDocType(const CommandContext& context);
