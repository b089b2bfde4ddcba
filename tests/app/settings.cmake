hx_add_core_test(settings_tests
    ${CMAKE_CURRENT_LIST_DIR}/settings_cipher_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_load_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_write_back_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/recent_files_test.cpp
)
