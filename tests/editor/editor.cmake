hx_add_core_test(editor_core_tests
    ${CMAKE_CURRENT_LIST_DIR}/buffer_contract_test.h
    ${CMAKE_CURRENT_LIST_DIR}/buffer_contract_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/memory_buffer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/line_breaks_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/completion_entries_test.cpp
)
hx_add_ui_gtest(editor_ui_tests
    ${CMAKE_CURRENT_LIST_DIR}/buffer_contract_test.h
    ${CMAKE_CURRENT_LIST_DIR}/buffer_contract_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scintilla_buffer_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/editor_setup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/highlighters_test.cpp
)
hx_add_qt_test(tag_completion_tests ${CMAKE_CURRENT_LIST_DIR}/tag_completion_test.cpp)
