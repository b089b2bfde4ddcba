# Forms and form controls; entities, special characters, JavaScript strings.
list(APPEND HX_UI_SOURCES
    src/markup/forms_controller.h src/markup/forms_controller.cpp
    src/markup/entities_controller.h src/markup/entities_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_entity_commands.cpp)
