# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures: PNGs drawn by res/tools/drawpictures.cpp and committed, compiled
# in through the Qt resource system under ":/res/". Linking zyl_res brings the
# resource objects along (qt_add_resources puts them in an object library that
# consumers of the static library link directly, so the initializer is kept).
# The file names come from the one list of pictures, res/Pictures.def.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS res/Pictures.def)
file(STRINGS res/Pictures.def ZYL_PICTURE_LINES REGEX "^ZYL_(BITMAP|CURSOR|IMAGE)\\(")
set(ZYL_PICTURES)
foreach(line IN LISTS ZYL_PICTURE_LINES)
    if(line MATCHES "^ZYL_BITMAP\\([A-Za-z0-9]+, *([0-9]+),")
        list(APPEND ZYL_PICTURES bmp${CMAKE_MATCH_1}.png)
    elseif(line MATCHES "^ZYL_CURSOR\\([A-Za-z0-9]+, *([0-9]+),")
        list(APPEND ZYL_PICTURES cur${CMAKE_MATCH_1}.png)
    elseif(line MATCHES "^ZYL_IMAGE\\([A-Za-z0-9]+, *([A-Za-z0-9_]+),")
        list(APPEND ZYL_PICTURES ${CMAKE_MATCH_1}.png)
    endif()
endforeach()
list(TRANSFORM ZYL_PICTURES PREPEND res/ OUTPUT_VARIABLE ZYL_PICTURE_FILES)

add_library(zyl_res STATIC res/Resources.cpp)
target_include_directories(zyl_res PUBLIC res)
target_link_libraries(zyl_res PUBLIC zyl_pictureids Qt6::Gui)
qt_add_resources(zyl_res "zylres" PREFIX "/res" BASE res FILES ${ZYL_PICTURE_FILES})
zyl_warnings(zyl_res)

# Redrawing the pictures is a manual step: configure with ZYL_DRAW_PICTURES=ON,
# build the target zyl_draw_pictures (it rewrites res/*.png), look at the
# sheets in the build directory and commit the PNGs.
option(ZYL_DRAW_PICTURES "Build the picture generator res/tools/drawpictures" OFF)
if(ZYL_DRAW_PICTURES)
    add_executable(drawpictures res/tools/drawpictures.cpp)
    target_link_libraries(drawpictures PRIVATE zyl_pictureids Qt6::Gui)
    zyl_warnings(drawpictures)
    add_custom_target(zyl_draw_pictures
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:drawpictures> ${CMAKE_CURRENT_SOURCE_DIR}/res
                ${CMAKE_CURRENT_BINARY_DIR}/picture-sheets
        DEPENDS drawpictures
        COMMENT "Drawing res/*.png"
        VERBATIM)
endif()

if(ZYL_BUILD_TESTS)
    add_executable(test_res tests/test_res.cpp)
    target_link_libraries(test_res PRIVATE zyl_res Qt6::Gui Qt6::Test)
    zyl_warnings(test_res)
    add_test(NAME test_res COMMAND test_res)
    set_tests_properties(test_res PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endif()
