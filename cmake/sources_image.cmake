# The image dialog with its image map.
list(APPEND HX_CORE_SOURCES
)
list(APPEND HX_UI_SOURCES
    src/dialogs/image_controller.h src/dialogs/image_controller.cpp
)
