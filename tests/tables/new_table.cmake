hx_add_core_test(table_markup_tests ${CMAKE_CURRENT_LIST_DIR}/table_markup_test.cpp)
hx_add_qt_test(table_dialog_test ${CMAKE_CURRENT_LIST_DIR}/table_dialog_test.cpp)
