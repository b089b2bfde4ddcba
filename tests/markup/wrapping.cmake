hx_add_core_test(wrapping_tests
    ${CMAKE_CURRENT_LIST_DIR}/wrapping_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/list_command_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cli_wrap_test.cpp
)
hx_add_qt_test(wrap_actions_test ${CMAKE_CURRENT_LIST_DIR}/../ui/wrap_actions_test.cpp)
