# The document file format (no Qt).
add_library(zyl_docfile STATIC model/DocFile.cpp)
target_include_directories(zyl_docfile PUBLIC model)
target_link_libraries(zyl_docfile PUBLIC zyl_model)
zyl_warnings(zyl_docfile)

if(ZYL_BUILD_TESTS)
    add_executable(test_docfile tests/test_docfile.cpp)
    target_link_libraries(test_docfile PRIVATE zyl_docfile zyl_logic GTest::gtest GTest::gtest_main)
    zyl_warnings(test_docfile)
    add_test(NAME test_docfile COMMAND test_docfile)
endif()
