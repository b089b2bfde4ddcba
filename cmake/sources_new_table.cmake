# The new-table dialog and its markup.
list(APPEND HX_CORE_SOURCES
)
list(APPEND HX_UI_SOURCES
    src/tables/new_table_controller.h src/tables/new_table_controller.cpp
)
