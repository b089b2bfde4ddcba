hx_add_core_test(files_tests
    ${CMAKE_CURRENT_LIST_DIR}/files_search_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/files_state_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/files_cli_test.cpp)
hx_add_qt_test(files_dialog_test ${CMAKE_CURRENT_LIST_DIR}/files_dialog_test.cpp)
