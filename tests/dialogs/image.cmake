hx_add_core_test(image_core_test
    ${CMAKE_CURRENT_LIST_DIR}/image_markup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_map_geometry_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_map_editor_test.cpp)
hx_add_qt_test(image_dialog_test ${CMAKE_CURRENT_LIST_DIR}/image_dialog_test.cpp)
