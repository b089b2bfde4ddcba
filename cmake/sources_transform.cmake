# Protected blocks, line breaks, hyphenation and letter case.
list(APPEND HX_CORE_SOURCES
    src/transform/protected_blocks.h src/transform/protected_blocks.cpp
    src/transform/line_feeds.h src/transform/line_feeds.cpp
    src/transform/hyphenation.h src/transform/hyphenation.cpp
    src/transform/letter_case.h src/transform/letter_case.cpp
)
list(APPEND HX_UI_SOURCES
    src/transform/transform_controller.h src/transform/transform_controller.cpp
)
list(APPEND HX_CLI_SOURCES src/cli/cli_transform_commands.cpp)
