# Editor: the buffer seam, its QScintilla adapter, editor set-up, highlighters, tag completion.
list(APPEND HX_CORE_SOURCES
    src/editor/editor_buffer.h
    src/editor/line_breaks.h src/editor/line_breaks.cpp
    src/editor/memory_buffer.h src/editor/memory_buffer.cpp
    src/editor/completion_entries.h src/editor/completion_entries.cpp
)
list(APPEND HX_UI_SOURCES
    src/editor/undo_guard.h src/editor/wrap_pause.h
    src/editor/scintilla_buffer.h src/editor/scintilla_buffer.cpp
    src/editor/editor_setup.h src/editor/editor_setup.cpp
    src/editor/highlighters.h src/editor/highlighters.cpp
    src/editor/tag_completion.h src/editor/tag_completion.cpp
)
