include(GoogleTest)

# A GoogleTest suite of the core (QtCore only).
function(hx_add_core_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE hexlume_core hexlume_cli_lib hexlume_test_support
                          GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name} PROPERTIES LABELS core DISCOVERY_TIMEOUT 60)
endfunction()

# A widget test written with Qt Test: one executable, run offscreen.
function(hx_add_qt_test name)
    if(NOT HEXLUME_GUI)
        return()
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE hexlume_ui hexlume_test_support Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ui)
endfunction()

# A GoogleTest suite that needs widgets; its main makes the QApplication.
function(hx_add_ui_gtest name)
    if(NOT HEXLUME_GUI)
        return()
    endif()
    add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/gtest_qapp_main.cpp)
    target_link_libraries(${name} PRIVATE hexlume_ui hexlume_test_support GTest::gtest)
    gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ui
                         DISCOVERY_TIMEOUT 60)
endfunction()
