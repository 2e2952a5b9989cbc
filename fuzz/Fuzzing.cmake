# libFuzzer targets for the file readers, built with clang under ASan and UBSan
# (TUNBOX_SANITIZE). Everything of the build is instrumented for coverage, so the
# libraries under test guide the fuzzer; configure a build folder of its own with
# clang for it.
option(TUNBOX_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(TUNBOX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT TUNBOX_SANITIZE)
    message(FATAL_ERROR "The fuzz targets run under ASan and UBSan: configure with -DTUNBOX_SANITIZE=ON")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR} ${CMAKE_BINARY_DIR}/fuzz)
endif()
