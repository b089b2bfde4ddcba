#pragma once

class EditorBuffer;

// A selection of nothing but blanks, tabs and line breaks is not wrapped: it collapses to its
// start so the markup goes in front of it and the blanks stay. Any other selection is kept.
void dropBlankSelection(EditorBuffer& editor);
