# Native build: portable code, its unit tests under the sanitizers, the fuzz targets.
include(cmake/sanitizers.cmake)
pelgra_sanitize(pelgra_portable)

find_package(GTest REQUIRED)
file(GLOB_RECURSE PELGRA_UNIT_TESTS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/unit/*.cpp")
add_executable(unit_tests ${PELGRA_UNIT_TESTS})
target_link_libraries(unit_tests PRIVATE pelgra_portable GTest::gtest_main)
pelgra_warnings(unit_tests)
pelgra_sanitize(unit_tests)
add_test(NAME unit COMMAND unit_tests "--gtest_output=xml:${PELGRA_REPORT_DIR}/unit.xml")
set_tests_properties(unit PROPERTIES ENVIRONMENT "PELGRA_SOURCE_DIR=${CMAKE_SOURCE_DIR}")

# The modules include each other one way: no cycle, and no include against the layers.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME include_cycles COMMAND ${Python3_EXECUTABLE} "${CMAKE_SOURCE_DIR}/tools/include_cycles.py"
                                     "${CMAKE_SOURCE_DIR}")

# One libFuzzer target per reader of stored or typed input; the test replays its seeds.
if(PELGRA_FUZZING)
  file(GLOB PELGRA_FUZZ_TARGETS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp")
  foreach(source IN LISTS PELGRA_FUZZ_TARGETS)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE pelgra_portable)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    pelgra_warnings(${name})
    string(REGEX REPLACE "_fuzz$" "" corpus ${name})
    add_test(NAME fuzz.${corpus}
             COMMAND ${name} -runs=0 "${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${corpus}")
  endforeach()
endif()
