# The Qt-free logic of the fuse-map view.
add_library(zyl_viewlogic STATIC view/CViewLogic.cpp)
target_include_directories(zyl_viewlogic PUBLIC view)
target_link_libraries(zyl_viewlogic PUBLIC zyl_parse)
zyl_warnings(zyl_viewlogic)
