# The CSS dialog and the DIV/SPAN dialog.
list(APPEND HX_UI_SOURCES
    src/markup/css_controller.h src/markup/css_controller.cpp
)
