# Settings file (Html.ini) and the recent-files list (files.txt).
list(APPEND HX_CORE_SOURCES
    src/app/settings_cipher.h src/app/settings_cipher.cpp
    src/app/settings_storage.h src/app/settings_storage.cpp
    src/app/settings_file.h src/app/settings_file.cpp
    src/app/settings.h src/app/settings.cpp
    src/app/recent_files.h src/app/recent_files.cpp
)
