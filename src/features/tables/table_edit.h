#pragma once

#include "foundation/messages/ui_language.h"

#include "features/tables/element_locator.h"
#include "foundation/messages/prompter.h"

#include <QString>

struct CommandContext;

// The markup of a new cell, and of a new row holding one such cell.
QString newCellMarkup();
QString newRowMarkup();

// The texts of the before/behind dialog in one UI language; label is also the question the
// placement prompt is asked with.
struct PlacementTexts {
    QString caption;
    QString label;
    QString before;
    QString behind;
    QString endOfTable;
    QString cancel;
};
PlacementTexts placementTexts(UiLanguage uiLanguage);

// Turns the selection or caret into an empty selection in front of the element the tags name
// around it, or behind it for Placement::Behind; a selection that already is such an element
// is used as it is.
void placeInsertPoint(const CommandContext& context, Prompter::Placement placement,
                      const ElementTags& tags);

// Both ask before/behind and insert a new row or cell there, leaving its "<" selected.
void insertRow(const CommandContext& context);
void insertCell(const CommandContext& context);

// Selects the element around the caret like the select command for tags and, when one of the
// kind the tags name was selected, asks message 29 "Delete?" and removes it on Yes. Returns what
// the select step left selected.
SelectionKind deleteEnclosingElement(const CommandContext& context, const ElementTags& tags);
