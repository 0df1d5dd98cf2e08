# SPDX-License-Identifier: GPL-3.0-or-later
# Command line and picture export of the program. The command line is
# Qt-free (zyl_cmdline); picture export draws with Qt.
add_library(zyl_cmdline STATIC app/CommandLine.cpp)
target_include_directories(zyl_cmdline PUBLIC app)
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

# Desktop integration on install: a menu entry that opens .zyl files, the
# "ZYL Document" type (the Windows "ZYL.Document" registration) and the
# application icon in the hicolor theme.
install(FILES app/desktop/zyl.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES app/desktop/zyl-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zyl.xml)
if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/res/ico128_256.png)
    install(FILES res/ico128_256.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME zyl.png)
endif()

# `cpack -G DEB` in the build folder makes a Debian package of the install.
set(CPACK_PACKAGE_NAME zyl)
set(CPACK_PACKAGE_VENDOR "ZYL")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching simulator of a fuse-programmable logic device (PROM, PAL, PLA)")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZYL developers <zyl@localhost>")
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)

# The program from a script. The zyl target is defined later (gui.cmake);
# the generator expression is resolved once all files are read.
if(ZYL_BUILD_TESTS)
    add_executable(test_docfile_cli tests/test_docfile_cli.cpp)
    target_link_libraries(test_docfile_cli PRIVATE zyl_docfile Qt6::Gui Qt6::Test)
    zyl_warnings(test_docfile_cli)
    add_test(NAME test_docfile_cli COMMAND test_docfile_cli $<TARGET_FILE:zyl>)
    set_tests_properties(test_docfile_cli PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 300)
endif()
