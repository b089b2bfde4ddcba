#include "markup/blank_selection.h"

#include "app/text_rules.h"
#include "editor/editor_buffer.h"

void DropBlankSelection(EditorBuffer& editor) {
    if (editor.selLength() > 0 && isBlankText(editor.selText()))
        editor.setSelLength(0);
}
