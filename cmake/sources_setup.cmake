# The settings dialog, outside programs, help window and About box.
list(APPEND HX_UI_SOURCES
    src/app/setup_controller.h src/app/setup_controller.cpp
    src/app/outside_controller.h src/app/outside_controller.cpp
    src/app/help.h src/app/help.cpp
)
