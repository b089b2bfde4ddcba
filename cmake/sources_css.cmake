# The CSS dialog and the DIV/SPAN dialog.
list(APPEND HX_CORE_SOURCES
    src/markup/css_markup.h src/markup/css_markup.cpp
    src/markup/div_markup.h src/markup/div_markup.cpp
)
list(APPEND HX_UI_SOURCES
    src/markup/css_dialog.h src/markup/css_dialog.cpp
    src/markup/div_dialog.h src/markup/div_dialog.cpp
    src/markup/css_controller.h src/markup/css_controller.cpp
)
