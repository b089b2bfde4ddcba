# Application shell: document lifecycle, prompters, platform, main window.
list(APPEND HX_CORE_SOURCES
    src/app/prompter.h
    src/app/scripted_prompter.h src/app/scripted_prompter.cpp
    src/platform/platform.h
    src/platform/data_folder.h src/platform/data_folder.cpp
)
list(APPEND HX_UI_SOURCES
    src/app/message_box_prompter.h src/app/message_box_prompter.cpp
)
