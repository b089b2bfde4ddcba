if(HEXLUME_GUI)
    file(GLOB HX_ICON_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/*.svg)
    qt_add_resources(hexlume_ui "icons" PREFIX "/" BASE "${PROJECT_SOURCE_DIR}/resources"
                     FILES ${HX_ICON_FILES})
endif()
