# Frameset, iFrame and object dialogs.
list(APPEND HX_CORE_SOURCES
    src/dialogs/frames_markup.h src/dialogs/frames_markup.cpp
    src/dialogs/iframe_markup.h src/dialogs/iframe_markup.cpp
    src/dialogs/object_markup.h src/dialogs/object_markup.cpp
)
list(APPEND HX_UI_SOURCES
    src/dialogs/dialog_parts.h src/dialogs/dialog_parts.cpp
    src/dialogs/frames_controller.h src/dialogs/frames_controller.cpp
    src/dialogs/frames_dialog.h src/dialogs/frames_dialog.cpp
    src/dialogs/iframe_dialog.h src/dialogs/iframe_dialog.cpp
    src/dialogs/object_controller.h src/dialogs/object_controller.cpp
    src/dialogs/object_dialog.h src/dialogs/object_dialog.cpp
)
