hx_add_core_test(search_tests ${CMAKE_CURRENT_LIST_DIR}/search_test.cpp)
hx_add_qt_test(search_dialogs_test ${CMAKE_CURRENT_LIST_DIR}/search_dialogs_test.cpp)
