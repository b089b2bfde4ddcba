# Document types, the generator element, remove formatting.
list(APPEND HX_CORE_SOURCES
    src/markup/doctype.h src/markup/doctype.cpp
    src/markup/doctype_command.h src/markup/doctype_command.cpp
    src/transform/remove_format.h src/transform/remove_format.cpp
)
list(APPEND HX_UI_SOURCES
    src/markup/doctype_dialog.h src/markup/doctype_dialog.cpp
    src/markup/doctype_controller.h src/markup/doctype_controller.cpp
    src/transform/remove_format_controller.h src/transform/remove_format_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_document_commands.cpp)
