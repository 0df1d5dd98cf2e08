# SPDX-License-Identifier: GPL-3.0-or-later
# Command line and picture export of the program.
# The command line is read with Qt Core alone (zyl_cmdline), before any
# window system is touched; picture export draws with Qt.
add_library(zyl_cmdline STATIC app/CommandLine.cpp)
target_include_directories(zyl_cmdline PUBLIC app)
target_link_libraries(zyl_cmdline PUBLIC Qt6::Core)
zyl_warnings(zyl_cmdline)

add_library(zyl_export STATIC app/PictureExport.cpp)
target_include_directories(zyl_export PUBLIC app)
target_link_libraries(zyl_export PUBLIC zyl_cmdline zyl_docfile Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
zyl_warnings(zyl_export)

if(ZYL_BUILD_TESTS)
    add_executable(test_docfile_cmdline tests/test_docfile_cmdline.cpp)
    target_link_libraries(test_docfile_cmdline PRIVATE zyl_cmdline GTest::gtest GTest::gtest_main)
    zyl_warnings(test_docfile_cmdline)
    add_test(NAME test_docfile_cmdline COMMAND test_docfile_cmdline)
endif()

if(ZYL_BUILD_TESTS)
    add_executable(test_docfile_export tests/test_docfile_export.cpp)
    target_link_libraries(test_docfile_export PRIVATE zyl_export Qt6::Test)
    zyl_warnings(test_docfile_export)
    add_test(NAME test_docfile_export COMMAND test_docfile_export)
    set_tests_properties(test_docfile_export PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()

# The program from a script. The zyl target is defined later (gui.cmake);
# the generator expression is resolved once all files are read.
if(ZYL_BUILD_TESTS)
    add_executable(test_docfile_cli tests/test_docfile_cli.cpp)
    target_link_libraries(test_docfile_cli PRIVATE zyl_docfile Qt6::Gui Qt6::Test)
    zyl_warnings(test_docfile_cli)
    add_test(NAME test_docfile_cli COMMAND test_docfile_cli $<TARGET_FILE:zyl>)
    set_tests_properties(test_docfile_cli PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 300)
endif()
