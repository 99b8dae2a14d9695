# ./bench: the programs that measure start-up, idle cost, memory, painting and layout.
if(WIN32)
  # The baseline links nothing of the program, so it shows what Wine alone costs.
  add_executable(baseline WIN32 "${CMAKE_SOURCE_DIR}/benchmarks/baseline_win.cpp")
  add_executable(startup "${CMAKE_SOURCE_DIR}/benchmarks/startup_win.cpp")
  add_executable(baseline_dlls WIN32 "${CMAKE_SOURCE_DIR}/benchmarks/baseline_win.cpp"
                 "${CMAKE_SOURCE_DIR}/benchmarks/baseline_dlls.rc")
  target_compile_definitions(baseline_dlls PRIVATE PELGRA_BASELINE_DLLS)
  target_include_directories(baseline_dlls PRIVATE "${CMAKE_SOURCE_DIR}/res")
  target_link_libraries(baseline_dlls PRIVATE ${PELGRA_WIN_LIBS})
  # The floor: the default bar's window tree with nothing of the program linked.
  add_executable(floor WIN32 "${CMAKE_SOURCE_DIR}/benchmarks/floor_win.cpp"
                 "${CMAKE_SOURCE_DIR}/benchmarks/floor_tree_win.cpp" "${CMAKE_SOURCE_DIR}/benchmarks/baseline_dlls.rc")
  target_include_directories(floor PRIVATE "${CMAKE_SOURCE_DIR}" "${CMAKE_SOURCE_DIR}/res")
  target_link_libraries(floor PRIVATE comctl32)
  # The e2e test "floor" compares this tree with the real bar's.
  if(TARGET e2e_floor)
    add_dependencies(e2e_floor floor)
  endif()
  foreach(target baseline baseline_dlls floor startup)
    target_compile_definitions(${target} PRIVATE ${PELGRA_WIN_DEFINES})
    target_link_libraries(${target} PRIVATE user32 gdi32)
    target_link_options(${target} PRIVATE -municode ${PELGRA_STATIC_LINK})
    pelgra_warnings(${target})
  endforeach()
  # In-process painting, layout and handle figures of the real bar.
  file(GLOB PELGRA_PAINT_BENCH CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/benchmarks/paint_win.cpp")
  if(PELGRA_PAINT_BENCH)
    add_executable(paint_bench ${PELGRA_PAINT_BENCH} "${CMAKE_SOURCE_DIR}/benchmarks/floor_tree_win.cpp"
                   $<TARGET_OBJECTS:pelgra_res>)
    target_link_libraries(paint_bench PRIVATE pelgra_win pelgra_portable)
    target_link_options(paint_bench PRIVATE -municode ${PELGRA_STATIC_LINK})
    pelgra_warnings(paint_bench)
  endif()
  # The repaint of the largest Tetris board.
  add_executable(tetris_bench "${CMAKE_SOURCE_DIR}/benchmarks/tetris_paint_win.cpp" $<TARGET_OBJECTS:pelgra_res>)
  target_link_libraries(tetris_bench PRIVATE pelgra_win pelgra_portable)
  target_link_options(tetris_bench PRIVATE -municode ${PELGRA_STATIC_LINK})
  pelgra_warnings(tetris_bench)
  # Reading and writing a large memo file beside a plain copy of the same size.
  add_executable(memo_bench "${CMAKE_SOURCE_DIR}/benchmarks/memo_file_win.cpp")
  target_link_libraries(memo_bench PRIVATE pelgra_win pelgra_portable)
  target_link_options(memo_bench PRIVATE -municode ${PELGRA_STATIC_LINK})
  pelgra_warnings(memo_bench)
  # The image slide show with a photo-sized picture, beside a clock.
  add_executable(slide_bench "${CMAKE_SOURCE_DIR}/benchmarks/slide_win.cpp" $<TARGET_OBJECTS:pelgra_res>)
  target_link_libraries(slide_bench PRIVATE pelgra_win pelgra_portable)
  target_link_options(slide_bench PRIVATE -municode ${PELGRA_STATIC_LINK})
  pelgra_warnings(slide_bench)
else()
  # The portable arithmetic, built again without sanitizers so timings mean something.
  find_package(benchmark QUIET)
  file(GLOB PELGRA_BENCH_SOURCES CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/benchmarks/*_bench.cpp")
  if(benchmark_FOUND AND PELGRA_BENCH_SOURCES)
    add_library(pelgra_portable_bench STATIC ${PELGRA_PORTABLE_SOURCES})
    target_include_directories(pelgra_portable_bench PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(pelgra_portable_bench PRIVATE -O2)
    add_executable(layout_bench ${PELGRA_BENCH_SOURCES})
    target_compile_options(layout_bench PRIVATE -O2)
    target_link_libraries(layout_bench PRIVATE pelgra_portable_bench benchmark::benchmark)
    pelgra_warnings(layout_bench)
  endif()
endif()
