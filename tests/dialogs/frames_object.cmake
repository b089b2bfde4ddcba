hx_add_core_test(frames_object_markup_tests
    ${CMAKE_CURRENT_LIST_DIR}/frames_markup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/iframe_markup_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/object_markup_test.cpp
)
hx_add_qt_test(frames_dialog_test ${CMAKE_CURRENT_LIST_DIR}/frames_dialog_test.cpp)
hx_add_qt_test(iframe_dialog_test ${CMAKE_CURRENT_LIST_DIR}/iframe_dialog_test.cpp)
hx_add_qt_test(object_dialog_test ${CMAKE_CURRENT_LIST_DIR}/object_dialog_test.cpp)
