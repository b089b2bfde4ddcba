#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

class EditorBuffer;

// Inline formatting tags that are removed wherever they stand in the element, in this order.
// Only these exact forms: a tag with attributes stays.
std::span<const QStringView> formattingTags();

// Tags that carry attributes: every opening tag that begins with `opening` becomes one blank
// and every `closing` tag is deleted.
struct FormattingFamily {
    QStringView opening;
    QStringView closing;
};
std::span<const FormattingFamily> formattingFamilies();

struct ElementRange {
    int start = 0;
    int length = 0;
};
// The element selectElementAtCaret chooses in text for a selection starting at selStart: from
// the nearest "<" before that offset to the ">" of the first closing tag after it (of the
// second one when the element holds another of its kind).
std::optional<ElementRange> elementAtCaret(QStringView text, int selStart);
// Selects that element in the editor; false (nothing changed) when there is none.
bool selectElementAtCaret(EditorBuffer& editor);

// Each opening tag that begins with pattern (any letter case), up to its ">", becomes one
// blank, first occurrence first; a tag the replacements bring together counts too.
QString replaceOpeningTags(const QString& text, QStringView pattern);
// The element's text without its inline formatting: the fixed tags deleted, then each family.
QString stripFormatting(const QString& element);

// The remove-formatting command. Cleans the element around the caret and moves the caret to
// the start of the line three below the former selection start (at most the last line).
// Returns that line (0-based) for the view to centre, -1 when the selection started at 0.
int removeFormattingAtCaret(EditorBuffer& editor);
