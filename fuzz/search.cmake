hx_add_fuzzer(fuzz_text_find
    SOURCES fuzz_text_find.cpp
            ${PROJECT_SOURCE_DIR}/src/app/text_find.cpp
            ${PROJECT_SOURCE_DIR}/src/tables/text_search.cpp
            ${PROJECT_SOURCE_DIR}/src/app/case_rules.cpp
            ${PROJECT_SOURCE_DIR}/src/app/scripted_prompter.cpp
            ${PROJECT_SOURCE_DIR}/src/app/messages.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/memory_buffer.cpp
            ${PROJECT_SOURCE_DIR}/src/editor/line_breaks.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_text_find)
