# The code check: markup correction, tag balance, empty elements.
list(APPEND HX_UI_SOURCES
    src/transform/code_check_controller.h src/transform/code_check_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_code_check_commands.cpp)
