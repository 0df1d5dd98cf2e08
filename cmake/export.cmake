# Command line and picture export of the program.
add_library(zyl_export STATIC app/CommandLine.cpp app/PictureExport.cpp)
target_include_directories(zyl_export PUBLIC app)
target_link_libraries(zyl_export PUBLIC zyl_docfile Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
zyl_warnings(zyl_export)
