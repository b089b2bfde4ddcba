# Find, replace, go to line, bookmarks, word wrap; printing.
list(APPEND HX_CORE_SOURCES
    src/app/text_find.h src/app/text_find.cpp
    src/app/goto_line.h src/app/goto_line.cpp
)
list(APPEND HX_UI_SOURCES
    src/app/search_controller.h src/app/search_controller.cpp
    src/app/find_dialog.h src/app/find_dialog.cpp
    src/app/replace_dialog.h src/app/replace_dialog.cpp
    src/app/bookmark_controller.h src/app/bookmark_controller.cpp
    src/app/print_controller.h src/app/print_controller.cpp
    src/app/print_document.h src/app/print_document.cpp
)
