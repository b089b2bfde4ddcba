# Links, colours, fonts and the scratch window.
list(APPEND HX_CORE_SOURCES
    src/markup/html_color.h src/markup/html_color.cpp
    src/markup/link_markup.h src/markup/link_markup.cpp
    src/markup/font_markup.h src/markup/font_markup.cpp
)
list(APPEND HX_UI_SOURCES
    src/markup/link_controller.h src/markup/link_controller.cpp
    src/markup/link_dialog.h src/markup/link_dialog.cpp
    src/markup/font_pickers.h src/markup/font_pickers.cpp
    src/app/scratch_controller.h src/app/scratch_controller.cpp
    src/app/scratch_window.h src/app/scratch_window.cpp
)
