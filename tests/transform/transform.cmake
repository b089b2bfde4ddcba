hx_add_core_test(transform_tests
    ${CMAKE_CURRENT_LIST_DIR}/protected_blocks_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/line_feeds_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hyphenation_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/letter_case_test.cpp)
hx_add_qt_test(transform_ui_test ${CMAKE_CURRENT_LIST_DIR}/transform_ui_test.cpp)
