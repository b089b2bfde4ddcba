# Protected blocks, line breaks, hyphenation and letter case.
list(APPEND HX_CORE_SOURCES
)
list(APPEND HX_UI_SOURCES
    src/transform/transform_controller.h src/transform/transform_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_transform_commands.cpp)
