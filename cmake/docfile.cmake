# The document file format (no Qt).
add_library(zyl_docfile STATIC model/DocFile.cpp)
target_include_directories(zyl_docfile PUBLIC model)
target_link_libraries(zyl_docfile PUBLIC zyl_model)
zyl_warnings(zyl_docfile)
