# Wrapping the selection in markup, lists, breaks and the script block.
list(APPEND HX_CORE_SOURCES
    src/markup/wrapping.h src/markup/wrapping.cpp
)
list(APPEND HX_UI_SOURCES
    src/markup/wrap_controller.h src/markup/wrap_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_wrap_commands.cpp)
