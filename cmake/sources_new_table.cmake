# The new-table dialog and its markup.
list(APPEND HX_CORE_SOURCES
    src/tables/table_markup.h src/tables/table_markup.cpp
)
list(APPEND HX_UI_SOURCES
    src/tables/table_dialog.h src/tables/table_dialog.cpp
    src/tables/new_table_controller.h src/tables/new_table_controller.cpp
)
