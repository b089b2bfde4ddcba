# Frameset, iFrame and object dialogs.
list(APPEND HX_CORE_SOURCES
)
list(APPEND HX_UI_SOURCES
    src/dialogs/frames_controller.h src/dialogs/frames_controller.cpp src/dialogs/object_controller.h src/dialogs/object_controller.cpp
)
