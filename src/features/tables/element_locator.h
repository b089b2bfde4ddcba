#pragma once

#include <QString>
#include <QStringView>

class EditorBuffer;
class MessageTable;
class Prompter;
struct CommandContext;

// The start of an element's opening tag (no ">") and its whole closing tag, in lower case.
struct ElementTags {
    QString openTag;
    QString closeTag;
};

const ElementTags& cellTags();
const ElementTags& rowTags();
const ElementTags& tableTags();
const ElementTags& formTags();
const ElementTags& divTags();
const ElementTags& spanTags();
// The two elements the block-choice dialog offers.
enum class BlockElement { Div, Span };
const ElementTags& blockTags(BlockElement element);

// What a locator call left selected; the delete commands act only on the kind they asked for.
enum class SelectionKind { None, Cell, RowOrTable };
// What selecting an element with this opening tag counts as: "<td" a cell, "<tr" and "<table"
// a row or table, anything else neither.
SelectionKind selectionKindOf(QStringView openTag);

struct ElementLocation {
    enum class Outcome {
        NotFound,
        // The opening tag begins at the first character of the text: message 19.
        AtTextStart,
        Found,
    };
    Outcome outcome = Outcome::NotFound;
    // Editor offset of the "<" and the length through the closing tag's ">", or through the
    // end of the text when the element is never closed.
    int start = 0;
    int length = 0;
};

// The element of the given kind that encloses the caret at selStart, counting nested elements
// of the same kind; reads only what it needs around the caret.
ElementLocation locateEnclosingElement(QStringView text, int selStart, QStringView openTag,
                                       QStringView closeTag);

// Selects the enclosing element in the editor, or shows message 19 when its tag begins the
// text; nothing happens when there is none.
SelectionKind selectEnclosingElement(EditorBuffer& editor, Prompter& prompter,
                                     const MessageTable& messages, const QString& openTag,
                                     const QString& closeTag);
SelectionKind selectEnclosingElement(const CommandContext& context, const ElementTags& tags);
