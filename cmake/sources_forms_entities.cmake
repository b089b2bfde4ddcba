# Forms and form controls; entities, special characters, JavaScript strings.
list(APPEND HX_CORE_SOURCES
    src/markup/form_markup.h src/markup/form_markup.cpp
    src/markup/entities.h src/markup/entities.cpp
    src/markup/js_string.h src/markup/js_string.cpp
)
list(APPEND HX_UI_SOURCES
    src/markup/input_dialog.h src/markup/input_dialog.cpp
    src/markup/form_dialog.h src/markup/form_dialog.cpp
    src/markup/forms_controller.h src/markup/forms_controller.cpp
    src/markup/special_dialog.h src/markup/special_dialog.cpp
    src/markup/entities_controller.h src/markup/entities_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_entity_commands.cpp)
