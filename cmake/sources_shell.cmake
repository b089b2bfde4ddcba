# Application shell: document lifecycle, prompters, platform, main window.
list(APPEND HX_CORE_SOURCES
    src/app/prompter.h
    src/app/scripted_prompter.h src/app/scripted_prompter.cpp
    src/app/text_rules.h
    src/app/document.h src/app/document.cpp
    src/app/status_text.h src/app/status_text.cpp
    src/platform/platform.h
    src/platform/data_folder.h src/platform/data_folder.cpp
)
list(APPEND HX_UI_SOURCES
    src/app/message_box_prompter.h src/app/message_box_prompter.cpp
    src/app/icons.h src/app/icons.cpp
    src/app/status_panels.h src/app/status_panels.cpp
    src/app/main_actions.h src/app/main_actions.cpp
    src/app/language_applier.h src/app/language_applier.cpp
    src/app/qt_translations.h src/app/qt_translations.cpp
    src/app/main_window.h src/app/main_window.cpp
    src/platform/desktop_platform.h src/platform/desktop_platform.cpp
)
