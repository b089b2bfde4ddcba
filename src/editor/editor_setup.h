#pragma once

class QsciScintilla;
class QFont;

// The editor control's initial state: Courier New 10 pt, tab width 3 with spaces, word
// wrap, auto-indent, drag-and-drop editing, scrolling past the last line, UTF-8 with CR LF
// line breaks and the bookmark markers 0 to 9. The highlighter is attached by Highlighters.
void setupEditor(QsciScintilla* editor);

// The gutter is 45 pixels wide with line numbers and 25 without; its bookmark strip takes
// clicks (SCN_MARGINCLICK) in either case.
void setLineNumbers(QsciScintilla* editor, bool on);

// A vertical line after the given column.
void setRightEdge(QsciScintilla* editor, int column);

void setWordWrap(QsciScintilla* editor, bool on);
bool wordWrap(const QsciScintilla* editor);

// Courier New at the given size: fontconfig stands Liberation Mono in for it.
QFont editorFont(int points);

// Attaching a highlighter resets the gutter's style, so it is put back afterwards.
void applyGutterFont(QsciScintilla* editor);

namespace editor_setup {
inline constexpr int FontPoints = 10;
inline constexpr int GutterFontPoints = 8;
inline constexpr int TabWidth = 3;
inline constexpr int GutterWidthWithNumbers = 45;
inline constexpr int GutterWidthWithoutNumbers = 25;
inline constexpr int BookmarkStripWidth = 16;
} // namespace editor_setup
