hx_add_fuzzer(fuzz_protected_blocks
    SOURCES fuzz_protected_blocks.cpp ${PROJECT_SOURCE_DIR}/src/transform/protected_blocks.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_protected_blocks)

hx_add_fuzzer(fuzz_hyphenation
    SOURCES fuzz_hyphenation.cpp
            ${PROJECT_SOURCE_DIR}/src/transform/hyphenation.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
            ${PROJECT_SOURCE_DIR}/src/app/messages.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_hyphenation)
