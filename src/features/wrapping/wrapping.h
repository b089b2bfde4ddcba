#pragma once

#include <QLatin1String>
#include <QString>

#include <span>

class EditorBuffer;

// The commands that put an opening literal before the selection and a closing one after it.
enum class WrapCommand {
    Bold,
    Italic,
    Underline,
    Strike,
    Sup,
    Sub,
    AlignLeft,
    AlignRight,
    AlignJustify,
    AlignCenter,
    Indent,
    H1,
    H2,
    H3,
    H4,
    H5,
    H6,
    Comment,
};

// What a wrap command does with a selection made only of blanks and line breaks.
enum class BlankRule {
    // The selection collapses to its start; the markup goes in front of the blanks.
    Drop,
    // The blanks are wrapped like any other text.
    Keep,
    // The selection is read first, then collapsed: a copy of the blanks goes inside the markup.
    DropAfterReading,
};

struct WrapRow {
    WrapCommand command;
    // The command's name in hexlume-cli.
    QLatin1String name;
    QLatin1String open;
    QLatin1String close;
    BlankRule blankRule;
};

// Every wrap command, in the order of WrapCommand.
std::span<const WrapRow> wrapRows();
const WrapRow& wrapRow(WrapCommand command);

// The alignment buttons share one handler and tell the alignment by their tag:
// 0 left, 1 right, 2 justify, anything else center.
WrapCommand alignmentForTag(int tag);

// Writes open + selection + close over the selection, following the row's blank rule; the
// caret ends after the closing literal. The direction of the selection plays no part.
void wrapSelection(EditorBuffer& editor, const WrapRow& row);
void wrapSelection(EditorBuffer& editor, WrapCommand command);

// The text from the first "<" (or the first character when there is none) to the first ">";
// empty when there is no ">" or it comes before the first "<".
QString firstTagOf(const QString& text);

// These insert at the start of the selection and leave the selected text after the insertion.
void insertLineBreak(EditorBuffer& editor);
void insertHorizontalLine(EditorBuffer& editor);
// Replaces the selection by an empty script block.
void insertScriptBlock(EditorBuffer& editor);

extern const QLatin1String LineBreakMarkup;
extern const QLatin1String HorizontalLineMarkup;
extern const QLatin1String ScriptBlockMarkup;

enum class ListKind { Unordered, Ordered };

// What the list command writes over the selected text s: s's list markup removed when s
// holds an item tag in any letter case, else a new list with one item per line of s.
QString listReplacement(const QString& s, ListKind kind);
// The list command: drops a blank selection, then writes listReplacement over it.
void toggleList(EditorBuffer& editor, ListKind kind);
