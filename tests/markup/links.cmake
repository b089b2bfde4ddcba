hx_add_core_test(links_tests
    ${CMAKE_CURRENT_LIST_DIR}/html_color_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/links_test.cpp
)
hx_add_qt_test(links_dialog_test ${CMAKE_CURRENT_LIST_DIR}/links_dialog_test.cpp)
