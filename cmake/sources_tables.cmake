# Text search, element locator, rows and cells, merge and split, the table toolbar.
list(APPEND HX_CORE_SOURCES
    src/tables/text_search.h src/tables/text_search.cpp
    src/tables/element_locator.h src/tables/element_locator.cpp
    src/tables/table_edit.h src/tables/table_edit.cpp
    src/tables/cell_merge.h src/tables/cell_merge.cpp
)
list(APPEND HX_UI_SOURCES
    src/tables/block_dialog.h src/tables/block_dialog.cpp
    src/tables/ins_tr_dialog.h src/tables/ins_tr_dialog.cpp
    src/tables/table_controller.h src/tables/table_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_table_commands.cpp)
