# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt-free logic of the dialogs: every dialogs/*Logic.cpp, so that each
# dialog's checks, messages and document changes can be tested without
# widgets. Tests tests/test_dlglogic_*.cpp link it with GoogleTest.
file(GLOB ZYL_DIALOGLOGIC_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/*Logic.cpp)
if(ZYL_DIALOGLOGIC_SOURCES)
    add_library(zyl_dialoglogic STATIC ${ZYL_DIALOGLOGIC_SOURCES})
    target_include_directories(zyl_dialoglogic PUBLIC dialogs)
    target_link_libraries(zyl_dialoglogic PUBLIC zyl_parse zyl_model zyl_pictureids)
    zyl_warnings(zyl_dialoglogic)
    if(ZYL_BUILD_TESTS)
        file(GLOB ZYL_DIALOGLOGIC_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_dlglogic_*.cpp)
        foreach(src ${ZYL_DIALOGLOGIC_TESTS})
            get_filename_component(name ${src} NAME_WE)
            add_executable(${name} ${src})
            target_link_libraries(${name} PRIVATE zyl_dialoglogic GTest::gtest GTest::gtest_main)
            zyl_warnings(${name})
            add_test(NAME ${name} COMMAND ${name})
        endforeach()
    endif()
endif()
