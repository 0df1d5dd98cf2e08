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

    # With clang, the document loader and the term-list readers are
    # libFuzzer targets, each with a seed corpus in tests/corpus/: CTest
    # replays the corpus, and scripts/test.sh fuzzes each for a minute
    # (`fuzz_docfile -max_total_time=60 tests/corpus/docfile`).
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
            # The code under test is compiled into the target, so that the
            # fuzzer sees its coverage.
            add_executable(fuzz_docfile tests/fuzz_docfile.cpp model/DocFile.cpp model/DocInvariants.cpp)
            target_link_libraries(fuzz_docfile PRIVATE zyl_model)
            add_executable(fuzz_termlist tests/fuzz_termlist.cpp app/MinimizeTool.cpp dialogs/TermListParser.cpp)
            target_include_directories(fuzz_termlist PRIVATE app dialogs)
            target_link_libraries(fuzz_termlist PRIVATE zyl_model zyl_logic zyl_steps)
            foreach(target fuzz_docfile fuzz_termlist)
                string(REPLACE "fuzz_" "" corpus ${target})
                target_include_directories(${target} PRIVATE model)
                target_compile_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
                target_link_options(${target} PRIVATE -fsanitize=fuzzer,address,undefined)
                zyl_warnings(${target})
                add_test(NAME ${target} COMMAND ${target} -runs=0 ${CMAKE_CURRENT_SOURCE_DIR}/tests/corpus/${corpus})
                set_tests_properties(${target} PROPERTIES TIMEOUT 120)
            endforeach()
        endif()
    endif()
endif()
