#include "foundation/markup/blank_selection.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

void dropBlankSelection(EditorBuffer& editor) {
    if (editor.selLength() > 0 && isBlankText(editor.selText()))
        editor.setSelLength(0);
}
