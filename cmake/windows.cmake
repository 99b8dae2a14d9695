# Windows build (MinGW-w64, cross or native): the program, its resources, the Wine tests.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(PELGRA_WIN_DEFINES UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601)
set(PELGRA_WIN_LIBS gdiplus comctl32 comdlg32 gdi32 user32 advapi32 shell32 shlwapi
    ole32 winmm pdh msimg32 imm32 uxtheme)

# Libraries the bar does not need for its first paint are delay-loaded: each DLL is
# loaded on the first call into it (GDI+ with the first picture, PDH never under
# Wine, the shell with the first dropped file, the file dialog and sound when used),
# which keeps them out of every start-up. The theme library is loaded by the common
# controls anyway; imported by the program it was started before them, which cost
# start-up time under Wine.
set(PELGRA_DELAY_LOADED gdiplus pdh comdlg32 winmm shell32 shlwapi msimg32 ole32 imm32 uxtheme)
find_program(PELGRA_NM NAMES ${MINGW_PREFIX}-nm nm REQUIRED)
find_program(PELGRA_DLLTOOL NAMES ${MINGW_PREFIX}-dlltool dlltool REQUIRED)
foreach(lib IN LISTS PELGRA_DELAY_LOADED)
  find_library(PELGRA_IMPLIB_${lib} NAMES lib${lib}.a REQUIRED)
  set(delaylib "${CMAKE_BINARY_DIR}/delay/lib${lib}_delay.a")
  if(NOT EXISTS "${delaylib}" OR "${PELGRA_IMPLIB_${lib}}" IS_NEWER_THAN "${delaylib}")
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/delay")
    execute_process(COMMAND ${Python3_EXECUTABLE} "${CMAKE_SOURCE_DIR}/tools/delaylib.py" ${PELGRA_NM}
                            ${PELGRA_DLLTOOL} "${PELGRA_IMPLIB_${lib}}" "${delaylib}"
                    RESULT_VARIABLE delay_result)
    if(NOT delay_result EQUAL 0)
      message(FATAL_ERROR "Could not make the delay-load library of ${lib}")
    endif()
  endif()
  list(TRANSFORM PELGRA_WIN_LIBS REPLACE "^${lib}$" "${delaylib}")
endforeach()
set(PELGRA_STATIC_LINK -static -static-libgcc -static-libstdc++)
# Release optimises as far as the tests always built (-O2): GCC 12 at -O3 warns
# falsely (-Wrestrict) inside std::u16string, and warnings are errors in CI.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG")

target_compile_definitions(pelgra_portable PUBLIC ${PELGRA_WIN_DEFINES})

# Pixel-art text sources become .bmp/.ico/.cur files: res/images/NAME.EXT.txt -> NAME.EXT
file(GLOB PELGRA_IMAGE_SOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/res/images/*.txt")
set(PELGRA_IMAGES)
foreach(source IN LISTS PELGRA_IMAGE_SOURCES)
  get_filename_component(file ${source} NAME)
  string(REGEX REPLACE "\\.txt$" "" file ${file})
  set(out "${CMAKE_BINARY_DIR}/res/images/${file}")
  add_custom_command(OUTPUT ${out}
    COMMAND ${Python3_EXECUTABLE} "${CMAKE_SOURCE_DIR}/tools/pixelart.py" ${source} ${out}
    DEPENDS ${source} "${CMAKE_SOURCE_DIR}/tools/pixelart.py"
    COMMENT "Drawing ${file}")
  list(APPEND PELGRA_IMAGES ${out})
endforeach()
add_custom_target(pelgra_images DEPENDS ${PELGRA_IMAGES})

# The version header is made from the project's version, the one place the number is kept.
set(PELGRA_GENERATED "${CMAKE_BINARY_DIR}/generated")
configure_file("${CMAKE_SOURCE_DIR}/res/version.h.in" "${PELGRA_GENERATED}/res/version.h" @ONLY)

add_library(pelgra_res OBJECT "${CMAKE_SOURCE_DIR}/res/pelgra.rc")
target_include_directories(pelgra_res PRIVATE "${CMAKE_BINARY_DIR}/res" "${CMAKE_SOURCE_DIR}/res"
                                              "${PELGRA_GENERATED}/res")
if(CMAKE_RC_COMPILER MATCHES "windres")
  target_compile_options(pelgra_res PRIVATE -c 65001)
endif()
# pelgra.rc includes one fragment per module (res/*.rc) and the id headers.
file(GLOB PELGRA_RES_HEADERS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/res/*.h" "${CMAKE_SOURCE_DIR}/res/*.manifest"
     "${CMAKE_SOURCE_DIR}/res/*.rc" "${CMAKE_SOURCE_DIR}/res/*.inc")
list(REMOVE_ITEM PELGRA_RES_HEADERS "${CMAKE_SOURCE_DIR}/res/pelgra.rc")
set_source_files_properties("${CMAKE_SOURCE_DIR}/res/pelgra.rc" PROPERTIES
  OBJECT_DEPENDS "${PELGRA_IMAGES};${PELGRA_RES_HEADERS}")
add_dependencies(pelgra_res pelgra_images)

# Executables list both object libraries: objects do not pass through one object library to another.
add_library(pelgra_win OBJECT ${PELGRA_WIN_SOURCES})
target_link_libraries(pelgra_win PUBLIC pelgra_portable ${PELGRA_WIN_LIBS})
target_include_directories(pelgra_win PUBLIC "${PELGRA_GENERATED}")
target_compile_definitions(pelgra_win PUBLIC ${PELGRA_WIN_DEFINES})
pelgra_warnings(pelgra_win)

add_executable(pelgra WIN32 "${CMAKE_SOURCE_DIR}/app/main_win.cpp" $<TARGET_OBJECTS:pelgra_res>)
target_link_libraries(pelgra PRIVATE pelgra_win pelgra_portable)
# No link time in the header: the same sources give the same program, byte for byte.
target_link_options(pelgra PRIVATE -municode ${PELGRA_STATIC_LINK} -Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s>)
pelgra_warnings(pelgra)
include(cmake/release.cmake)

# Small Windows-side tools used by the scripts (screenshots of the virtual display).
file(GLOB PELGRA_WIN_TOOLS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tools/*_win.cpp")
foreach(source IN LISTS PELGRA_WIN_TOOLS)
  get_filename_component(name ${source} NAME_WE)
  string(REGEX REPLACE "_win$" "" name ${name})
  add_executable(${name} ${source})
  target_compile_definitions(${name} PRIVATE ${PELGRA_WIN_DEFINES})
  target_link_libraries(${name} PRIVATE ${PELGRA_WIN_LIBS})
  target_link_options(${name} PRIVATE -municode ${PELGRA_STATIC_LINK})
  pelgra_warnings(${name})
endforeach()

# Under Wine the reports need a path Windows understands: drive Z: is the Unix root.
if(CMAKE_CROSSCOMPILING)
  set(PELGRA_REPORT_PATH "Z:${PELGRA_REPORT_DIR}")
else()
  set(PELGRA_REPORT_PATH "${PELGRA_REPORT_DIR}")
endif()

# Wine tests: one executable per tests/win/*_test.cpp, with the program's resources.
set(GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest source tree for the Windows build")
if(EXISTS "${GTEST_SOURCE_DIR}/CMakeLists.txt")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
  file(GLOB PELGRA_WIN_TESTS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/win/*_test.cpp")
  file(GLOB PELGRA_WIN_TEST_SUPPORT CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/win/support/*.cpp")
  foreach(source IN LISTS PELGRA_WIN_TESTS)
    get_filename_component(name ${source} NAME_WE)
    add_executable(${name} ${source} ${PELGRA_WIN_TEST_SUPPORT} $<TARGET_OBJECTS:pelgra_res>)
    target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/tests/win" "${CMAKE_SOURCE_DIR}/tests")
    target_link_libraries(${name} PRIVATE pelgra_win pelgra_portable gtest_main)
    target_link_options(${name} PRIVATE ${PELGRA_STATIC_LINK})
    pelgra_warnings(${name})
    string(REGEX REPLACE "_test$" "" area ${name})
    if(area STREQUAL "dpi")
      # The display at 150 %: under Wine, in a copy of the prefix whose LogPixels is 144.
      if(CMAKE_CROSSCOMPILING)
        add_test(NAME win.${area} COMMAND bash "${CMAKE_SOURCE_DIR}/tools/wine-dpi" 144 $<TARGET_FILE:${name}>
                 "--gtest_output=xml:${PELGRA_REPORT_PATH}/win.${area}.xml")
      endif()
    elseif(area STREQUAL "thin_bar")
      # Small screens: a laptop's at 100 %, and 1920 x 1080 at 150 %.
      if(CMAKE_CROSSCOMPILING)
        add_test(NAME win.${area} COMMAND bash "${CMAKE_SOURCE_DIR}/tools/wine-dpi" 96 1366x768
                 $<TARGET_FILE:${name}> "--gtest_output=xml:${PELGRA_REPORT_PATH}/win.${area}.xml")
        add_test(NAME win.${area}.144 COMMAND bash "${CMAKE_SOURCE_DIR}/tools/wine-dpi" 144 1920x1080
                 $<TARGET_FILE:${name}> "--gtest_output=xml:${PELGRA_REPORT_PATH}/win.${area}.144.xml")
      endif()
    else()
      add_test(NAME win.${area} COMMAND ${name} "--gtest_output=xml:${PELGRA_REPORT_PATH}/win.${area}.xml")
    endif()
  endforeach()

  # End-to-end: one driver executable per tests/e2e/<area>_test.cpp. Each starts the
  # real pelgra.exe (copied from beside it into a temporary folder) and drives it.
  file(GLOB PELGRA_E2E_TESTS CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/e2e/*_test.cpp")
  foreach(source IN LISTS PELGRA_E2E_TESTS)
    get_filename_component(name ${source} NAME_WE)
    string(REGEX REPLACE "_test$" "" area ${name})
    add_executable(e2e_${area} ${source} "${CMAKE_SOURCE_DIR}/tests/e2e/driver_win.cpp")
    target_include_directories(e2e_${area} PRIVATE "${CMAKE_SOURCE_DIR}/tests" "${CMAKE_SOURCE_DIR}")
    target_compile_definitions(e2e_${area} PRIVATE ${PELGRA_WIN_DEFINES})
    target_link_libraries(e2e_${area} PRIVATE gtest_main user32 gdi32)
    target_link_options(e2e_${area} PRIVATE ${PELGRA_STATIC_LINK})
    pelgra_warnings(e2e_${area})
    add_dependencies(e2e_${area} pelgra)
    set(report "--gtest_output=xml:${PELGRA_REPORT_PATH}/e2e.${area}.xml")
    if(EXISTS "${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh")
      # A scenario with a script of its own: the script prepares what the driver
      # cannot (the download zip, a read-only folder) and runs it.
      add_test(NAME e2e.${area} COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/${name}.sh" "${CMAKE_SOURCE_DIR}"
               "${CMAKE_BINARY_DIR}" "${PROJECT_VERSION}" $<TARGET_FILE:pelgra> $<TARGET_OBJECTS:pelgra_res>
               $<TARGET_FILE:e2e_${area}> "${report}")
    else()
      add_test(NAME e2e.${area} COMMAND e2e_${area} "${report}")
    endif()
    set_tests_properties(e2e.${area} PROPERTIES TIMEOUT 900)
  endforeach()
else()
  message(WARNING "GoogleTest sources not found in ${GTEST_SOURCE_DIR}: Windows tests are not built")
endif()
