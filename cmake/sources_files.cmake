# Search and replace across many files.
list(APPEND HX_UI_SOURCES
    src/transform/files_controller.h src/transform/files_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_files_replace.h src/cli/cli_files_replace.cpp)
