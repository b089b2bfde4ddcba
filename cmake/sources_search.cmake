# Find, replace, go to line, bookmarks, word wrap; printing.
list(APPEND HX_UI_SOURCES
    src/app/search_controller.h src/app/search_controller.cpp
    src/app/print_controller.h src/app/print_controller.cpp
)
