# Links, colours, fonts and the scratch window.
list(APPEND HX_UI_SOURCES
    src/markup/link_controller.h src/markup/link_controller.cpp
    src/app/scratch_controller.h src/app/scratch_controller.cpp
    src/app/scratch_window.h src/app/scratch_window.cpp
)
