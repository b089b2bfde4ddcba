hx_add_core_test(lifecycle_tests
    ${CMAKE_CURRENT_LIST_DIR}/document_lifecycle_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status_text_test.cpp
)
