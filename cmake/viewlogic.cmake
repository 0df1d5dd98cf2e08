# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt-free logic of the fuse-map view: view/CViewLogic*.cpp. Tests
# tests/test_viewlogic_*.cpp link it with GoogleTest.
file(GLOB ZYL_VIEWLOGIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/view/CViewLogic*.cpp)
add_library(zyl_viewlogic STATIC ${ZYL_VIEWLOGIC_SOURCES})
target_include_directories(zyl_viewlogic PUBLIC view)
target_link_libraries(zyl_viewlogic PUBLIC zyl_parse zyl_model zyl_pictureids)
zyl_warnings(zyl_viewlogic)
if(ZYL_BUILD_TESTS)
    file(GLOB ZYL_VIEWLOGIC_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_viewlogic_*.cpp)
    foreach(src ${ZYL_VIEWLOGIC_TESTS})
        get_filename_component(name ${src} NAME_WE)
        add_executable(${name} ${src})
        target_link_libraries(${name} PRIVATE zyl_viewlogic zyl_docfile GTest::gtest GTest::gtest_main)
        zyl_warnings(${name})
        add_test(NAME ${name} COMMAND ${name})
    endforeach()
endif()
