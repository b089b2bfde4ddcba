# Text search, element locator, rows and cells, merge and split, the table toolbar.
list(APPEND HX_CORE_SOURCES
)
list(APPEND HX_UI_SOURCES
    src/tables/table_controller.h src/tables/table_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_table_commands.cpp)
