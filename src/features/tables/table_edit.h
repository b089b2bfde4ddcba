#pragma once

#include "foundation/messages/ui_language.h"

#include "features/tables/element_locator.h"

#include <QString>

struct CommandContext;

// The markup of a new cell, and of a new row holding one such cell.
QString newCellMarkup();
QString newRowMarkup();

// The texts of the before/behind dialog (TFormInsTR) in one UI language; label is also the
// question the placement prompt is asked with.
struct InsTrTexts {
    QString caption;
    QString label;
    QString before;
    QString behind;
    QString endOfTable;
    QString cancel;
};
InsTrTexts insTrTexts(UiLanguage uiLanguage);

// Turns the selection or caret into an empty selection in front of (or behind) the cell or
// row around it; a selection that already is such an element is used as it is.
void PlaceInsertPoint(const CommandContext& context, bool After, bool IsCell);

// Asks before/behind and inserts a new row or cell there, leaving its "<" selected.
void InsertRowOrCell(const CommandContext& context, bool IsCell);

// Selects the element around the caret like the select command for tags and, when one of the
// kind the tags name was selected, asks message 29 "Delete?" and removes it on Yes. Returns what
// the select step left selected.
SelectionKind DeleteEnclosingElement(const CommandContext& context, const ElementTags& tags);
