# ZENTRAFEL_FUZZ: every target of ours is built with libFuzzer's coverage
# instrumentation and the address and undefined-behaviour sanitizers, so the
# fuzz targets in tools/fuzz see inside the code they drive. Only clang has
# libFuzzer; scripts/fuzz configures such a build in build/fuzz.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang" OR NOT CMAKE_C_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR
    "ZENTRAFEL_FUZZ needs clang (libFuzzer), not ${CMAKE_CXX_COMPILER_ID}: configure a fresh "
    "build folder with -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++, "
    "or run scripts/fuzz")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
  -fno-sanitize-recover=undefined)
add_link_options(-fsanitize=address,undefined)
