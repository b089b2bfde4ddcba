list(APPEND HX_CORE_SOURCES
    src/app/messages.h src/app/messages.cpp
    src/app/captions.h src/app/captions.cpp
    src/app/ui_language.h src/app/ui_language.cpp
)
