# The two message tables, line N = message N; read once at first use.
qt_add_resources(hexlume_core "messages"
    PREFIX "/messages"
    BASE "${PROJECT_SOURCE_DIR}/resources/messages"
    FILES
        "${PROJECT_SOURCE_DIR}/resources/messages/en.txt"
        "${PROJECT_SOURCE_DIR}/resources/messages/de.txt"
)
