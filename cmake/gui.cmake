# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt program: the fuse-map view, the main frame and the application.
add_library(zyl_gui STATIC
    view/CZYLView.cpp
    app/CommandTable.cpp
    app/CMainFrame.cpp
    app/CZYLApp.cpp
    app/QtPlatform.cpp
    dialogs/CMessageDlg.cpp
    dialogs/CAboutDlg.cpp)
target_include_directories(zyl_gui PUBLIC view app dialogs)
target_link_libraries(zyl_gui PUBLIC zyl_viewlogic zyl_dialogs zyl_docfile zyl_export zyl_parse Qt6::Widgets Qt6::PrintSupport)
if(TARGET zyl_res)
    target_link_libraries(zyl_gui PUBLIC zyl_res)
endif()
zyl_warnings(zyl_gui)
# The Karnaugh maps window prints its maps.
target_link_libraries(zyl_dialogs PUBLIC Qt6::PrintSupport)

add_executable(zyl app/main.cpp)
target_link_libraries(zyl PRIVATE zyl_gui)
zyl_warnings(zyl)
install(TARGETS zyl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Start-up figures and the screenshot of the main window (not a test).
add_executable(gui_screenshot tests/gui_screenshot.cpp)
target_link_libraries(gui_screenshot PRIVATE zyl_gui)
zyl_warnings(gui_screenshot)

if(ZYL_BUILD_TESTS)
    function(zyl_gui_test name)
        add_executable(${name} tests/${name}.cpp)
        target_link_libraries(${name} PRIVATE zyl_gui Qt6::Test)
        zyl_warnings(${name})
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${CMAKE_CURRENT_BINARY_DIR}/gui-test-config")
    endfunction()
    zyl_gui_test(test_gui_render)
    zyl_gui_test(test_gui_commands)
    zyl_gui_test(test_gui_files)
    zyl_gui_test(test_gui_region)
    zyl_gui_test(test_gui_windows)
    zyl_gui_test(test_steps_window)
    # Widget tests of the view and the dialogs: one executable a file.
    file(GLOB ZYL_WIDGET_TESTS CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_view_*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_dlg_*.cpp)
    foreach(src ${ZYL_WIDGET_TESTS})
        get_filename_component(name ${src} NAME_WE)
        zyl_gui_test(${name})
    endforeach()
endif()

if(ZYL_BUILD_BENCH)
    find_package(benchmark QUIET)
    if(benchmark_FOUND)
        add_executable(bench_paint bench/bench_paint.cpp)
        target_link_libraries(bench_paint PRIVATE zyl_gui benchmark::benchmark)
        zyl_warnings(bench_paint)
    endif()
endif()
