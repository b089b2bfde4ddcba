# The code check: markup correction, tag balance, empty elements.
list(APPEND HX_CORE_SOURCES
    src/transform/markup_scan.h src/transform/markup_scan.cpp
    src/transform/markup_text.h src/transform/markup_text.cpp
    src/transform/normalize_tag.h src/transform/normalize_tag.cpp
    src/transform/attribute_quoting.h src/transform/attribute_quoting.cpp
    src/transform/tag_balance.h src/transform/tag_balance.cpp
    src/transform/empty_elements.h src/transform/empty_elements.cpp
    src/transform/correct_markup.h src/transform/correct_markup.cpp
    src/transform/code_check.h src/transform/code_check.cpp
)
list(APPEND HX_UI_SOURCES
    src/transform/code_check_controller.h src/transform/code_check_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_code_check_commands.cpp)
