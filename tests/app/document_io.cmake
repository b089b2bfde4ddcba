hx_add_core_test(document_io_tests
    ${CMAKE_CURRENT_LIST_DIR}/document_codec_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_file_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/document_corpus_test.cpp
)
