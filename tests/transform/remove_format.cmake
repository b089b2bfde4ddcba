hx_add_core_test(remove_format_tests ${CMAKE_CURRENT_LIST_DIR}/remove_format_test.cpp)
hx_add_qt_test(remove_format_ui_test ${CMAKE_CURRENT_LIST_DIR}/remove_format_ui_test.cpp)
