list(APPEND HX_CORE_SOURCES src/app/document_file.h src/editor/highlighter_kind.h)
list(APPEND HX_CORE_SOURCES src/app/document_file.cpp src/editor/highlighter_kind.cpp)
