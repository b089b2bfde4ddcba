# Search and replace across many files.
list(APPEND HX_CORE_SOURCES
    src/transform/files_search.h src/transform/files_search.cpp
    src/transform/files_run.h src/transform/files_run.cpp
    src/transform/files_dialog_state.h src/transform/files_dialog_state.cpp
    src/transform/files_main_document.h src/transform/files_main_document.cpp
)
list(APPEND HX_UI_SOURCES
    src/transform/files_dialog.h src/transform/files_dialog.cpp
    src/transform/files_controller.h src/transform/files_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_files_replace.h src/cli/cli_files_replace.cpp)
