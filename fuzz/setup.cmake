hx_add_fuzzer(fuzz_setup_file
    SOURCES fuzz_setup_file.cpp
            ${PROJECT_SOURCE_DIR}/src/app/setup_fields.cpp
            ${PROJECT_SOURCE_DIR}/src/app/settings_file.cpp
            ${PROJECT_SOURCE_DIR}/src/app/settings_cipher.cpp
            ${PROJECT_SOURCE_DIR}/src/app/settings_storage.cpp
            ${PROJECT_SOURCE_DIR}/src/app/document_file.cpp
            ${PROJECT_SOURCE_DIR}/src/platform/data_folder.cpp
    SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/corpus_setup_file)
