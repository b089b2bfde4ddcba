hx_add_fuzzer(fuzz_files_replace
    SOURCES fuzz_files_replace.cpp
            ${PROJECT_SOURCE_DIR}/src/transform/files_search.cpp
            ${PROJECT_SOURCE_DIR}/src/app/document_file.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_files_replace)
