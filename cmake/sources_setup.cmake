# The settings dialog, outside programs, help window and About box.
list(APPEND HX_CORE_SOURCES
    src/app/setup_fields.h src/app/setup_fields.cpp
    src/app/outside_commands.h src/app/outside_commands.cpp
    src/platform/installer_request.h src/platform/installer_request.cpp
)
list(APPEND HX_UI_SOURCES
    src/app/setup_dialog.h src/app/setup_dialog.cpp
    src/app/setup_controller.h src/app/setup_controller.cpp
    src/app/outside_controller.h src/app/outside_controller.cpp
    src/app/about_box.h src/app/about_box.cpp
    src/app/help.h src/app/help.cpp
    src/app/help_window.h src/app/help_window.cpp
)
