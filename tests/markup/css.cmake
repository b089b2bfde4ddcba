hx_add_core_test(css_markup_tests
    ${CMAKE_CURRENT_LIST_DIR}/css_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/div_test.cpp
)
hx_add_qt_test(css_dialog_test ${CMAKE_CURRENT_LIST_DIR}/css_dialog_test.cpp)
hx_add_qt_test(div_dialog_test ${CMAKE_CURRENT_LIST_DIR}/div_dialog_test.cpp)
