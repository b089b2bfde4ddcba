# The image dialog with its image map.
list(APPEND HX_CORE_SOURCES
    src/dialogs/image_markup.h src/dialogs/image_markup.cpp
    src/dialogs/image_map_geometry.h src/dialogs/image_map_geometry.cpp
    src/dialogs/image_map_editor.h src/dialogs/image_map_editor.cpp
)
list(APPEND HX_UI_SOURCES
    src/dialogs/image_controller.h src/dialogs/image_controller.cpp
    src/dialogs/image_preview.h src/dialogs/image_preview.cpp
    src/dialogs/image_dialog.h src/dialogs/image_dialog.cpp
)
