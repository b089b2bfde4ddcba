hx_add_core_test(tables_tests
    ${CMAKE_CURRENT_LIST_DIR}/text_search_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/element_locator_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/table_edit_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cell_merge_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_table_commands_test.cpp)
hx_add_qt_test(block_dialog_test ${CMAKE_CURRENT_LIST_DIR}/block_dialog_test.cpp)
hx_add_qt_test(ins_tr_dialog_test ${CMAKE_CURRENT_LIST_DIR}/ins_tr_dialog_test.cpp)
