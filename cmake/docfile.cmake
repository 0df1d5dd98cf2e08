# SPDX-License-Identifier: GPL-3.0-or-later
# The document file format (no Qt).
add_library(zyl_docfile STATIC model/DocFile.cpp)
target_include_directories(zyl_docfile PUBLIC model)
target_link_libraries(zyl_docfile PUBLIC zyl_model)
zyl_warnings(zyl_docfile)

if(ZYL_BUILD_TESTS)
    add_executable(test_docfile tests/test_docfile.cpp)
    target_link_libraries(test_docfile PRIVATE zyl_docfile zyl_logic GTest::gtest GTest::gtest_main)
    target_compile_definitions(test_docfile PRIVATE ZYL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    zyl_warnings(test_docfile)
    add_test(NAME test_docfile COMMAND test_docfile)
endif()

# The loader's fuzz entry point: a randomized mutation driver runs it for a
# bounded time in every build; with clang it is also a libFuzzer target
# (run it as `fuzz_docfile -max_total_time=60`).
if(ZYL_BUILD_TESTS)
    add_executable(test_docfile_fuzz tests/test_docfile_fuzz.cpp tests/fuzz_docfile.cpp)
    target_link_libraries(test_docfile_fuzz PRIVATE zyl_docfile)
    zyl_warnings(test_docfile_fuzz)
    add_test(NAME test_docfile_fuzz COMMAND test_docfile_fuzz 2)
    set_tests_properties(test_docfile_fuzz PROPERTIES TIMEOUT 120)

    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        include(CheckCXXSourceCompiles)
        set(CMAKE_REQUIRED_FLAGS -fsanitize=fuzzer)
        set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
        check_cxx_source_compiles([[
            #include <cstddef>
            #include <cstdint>
            extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }
        ]] ZYL_HAVE_LIBFUZZER)
        unset(CMAKE_REQUIRED_FLAGS)
        unset(CMAKE_REQUIRED_LINK_OPTIONS)
        if(ZYL_HAVE_LIBFUZZER)
            add_executable(fuzz_docfile tests/fuzz_docfile.cpp model/DocFile.cpp)
            target_include_directories(fuzz_docfile PRIVATE model)
            target_compile_options(fuzz_docfile PRIVATE -fsanitize=fuzzer,address,undefined)
            target_link_options(fuzz_docfile PRIVATE -fsanitize=fuzzer,address,undefined)
            target_link_libraries(fuzz_docfile PRIVATE zyl_model)
            zyl_warnings(fuzz_docfile)
            add_test(NAME fuzz_docfile COMMAND fuzz_docfile -max_total_time=5 -rss_limit_mb=1024)
            set_tests_properties(fuzz_docfile PROPERTIES TIMEOUT 120)
        endif()
    endif()
endif()
