# Native build of the portable code: AddressSanitizer and UndefinedBehaviorSanitizer
# for the unit tests, libFuzzer instrumentation when the compiler is clang.
set(PELGRA_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(PELGRA_FUZZING ON)
  # Coverage instrumentation lets the fuzz targets reuse the one portable library.
  list(APPEND PELGRA_SANITIZE -fsanitize=fuzzer-no-link)
else()
  set(PELGRA_FUZZING OFF)
endif()

function(pelgra_sanitize target)
  target_compile_options(${target} PRIVATE ${PELGRA_SANITIZE})
  target_link_options(${target} PRIVATE -fsanitize=address,undefined)
endfunction()
