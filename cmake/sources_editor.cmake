list(APPEND HX_CORE_SOURCES src/editor/editor_buffer.h)
