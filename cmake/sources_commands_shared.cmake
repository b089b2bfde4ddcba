# Pieces every document command shares: its context, the blank-selection rule, white space.
list(APPEND HX_CORE_SOURCES
    src/app/command_context.h
    src/app/case_rules.h src/app/case_rules.cpp
    src/markup/blank_selection.h src/markup/blank_selection.cpp
    src/transform/whitespace.h src/transform/whitespace.cpp
)
