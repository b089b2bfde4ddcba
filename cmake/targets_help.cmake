# The help pages, one folder per language; the help window opens them by context number.
if(HEXLUME_GUI)
    file(GLOB HX_HELP_FILES CONFIGURE_DEPENDS
         ${PROJECT_SOURCE_DIR}/resources/help/en/*.html ${PROJECT_SOURCE_DIR}/resources/help/de/*.html
         ${PROJECT_SOURCE_DIR}/resources/help/*.css)
    qt_add_resources(hexlume_ui "help" PREFIX "/" BASE "${PROJECT_SOURCE_DIR}/resources"
                     FILES ${HX_HELP_FILES})
endif()
