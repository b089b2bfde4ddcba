list(APPEND HX_CORE_SOURCES src/app/messages.h)
