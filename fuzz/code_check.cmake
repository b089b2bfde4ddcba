set(HX_CODE_CHECK_FUZZ_CORE
    ${PROJECT_SOURCE_DIR}/src/transform/markup_scan.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/markup_text.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/normalize_tag.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/attribute_quoting.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/tag_balance.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/empty_elements.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/correct_markup.cpp
    ${PROJECT_SOURCE_DIR}/src/transform/protected_blocks.cpp
    ${PROJECT_SOURCE_DIR}/src/markup/doctype.cpp
    ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
    ${PROJECT_SOURCE_DIR}/src/app/messages.cpp)

# Both hold the one-pass steps against their literal rendering shared with the tests.
hx_add_fuzzer(fuzz_correct_markup
    SOURCES fuzz_correct_markup.cpp ${HX_CODE_CHECK_FUZZ_CORE}
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_code_check)
target_include_directories(fuzz_correct_markup PRIVATE ${PROJECT_SOURCE_DIR}/tests/transform)

hx_add_fuzzer(fuzz_code_check
    SOURCES fuzz_code_check.cpp ${HX_CODE_CHECK_FUZZ_CORE}
            ${PROJECT_SOURCE_DIR}/src/transform/code_check.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/memory_buffer.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/line_breaks.cpp
            ${PROJECT_SOURCE_DIR}/src/app/scripted_prompter.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_code_check)
target_include_directories(fuzz_code_check PRIVATE ${PROJECT_SOURCE_DIR}/tests/transform)
