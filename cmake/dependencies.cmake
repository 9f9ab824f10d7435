# Every library comes from Debian's packages (scripts/install-deps); for
# Windows, from their source packages cross-built by scripts/build-windows;
# for the browser, from their source packages built by scripts/build-web.
if(EMSCRIPTEN)
  include(${CMAKE_CURRENT_LIST_DIR}/web_dependencies.cmake)
  include(${CMAKE_CURRENT_LIST_DIR}/gl_legacy.cmake)
  return()
endif()

find_package(PkgConfig REQUIRED)
if(WIN32)
  find_package(OpenGL REQUIRED COMPONENTS OpenGL)
  # M_PI and the other constants of <cmath>.
  add_compile_definitions(_USE_MATH_DEFINES)
else()
  find_package(OpenGL REQUIRED COMPONENTS OpenGL EGL)
endif()
find_package(Threads REQUIRED)

pkg_check_modules(GLFW REQUIRED IMPORTED_TARGET glfw3)
pkg_check_modules(GLEW REQUIRED IMPORTED_TARGET glew)
pkg_check_modules(GLU REQUIRED IMPORTED_TARGET glu)
pkg_check_modules(VORBISFILE REQUIRED IMPORTED_TARGET vorbisfile)
pkg_check_modules(VORBISENC REQUIRED IMPORTED_TARGET vorbisenc)
pkg_check_modules(KISSFFT REQUIRED IMPORTED_TARGET kissfft-float)
pkg_check_modules(PORTAUDIO REQUIRED IMPORTED_TARGET portaudio-2.0)

# The start-up question (SDL2), the headless context (EGL) and the texture
# upload (SOIL) of Linux; Windows has its own (platform/*_win32.cpp,
# gfx/texture_upload.cpp).
if(NOT WIN32)
  pkg_check_modules(EGL REQUIRED IMPORTED_TARGET egl)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
  find_library(SOIL_LIBRARY NAMES SOIL REQUIRED)
  find_path(SOIL_INCLUDE_DIR SOIL.h PATH_SUFFIXES SOIL REQUIRED)
  add_library(soil INTERFACE)
  target_link_libraries(soil INTERFACE ${SOIL_LIBRARY})
  target_include_directories(soil SYSTEM INTERFACE ${SOIL_INCLUDE_DIR})
endif()

find_path(STB_INCLUDE_DIR stb_image.h PATH_SUFFIXES stb REQUIRED)
add_library(stb INTERFACE)
target_include_directories(stb SYSTEM INTERFACE ${STB_INCLUDE_DIR})

# GLES 2.0, which the layer of gles/ draws through (Linux only).
if(NOT WIN32)
  pkg_check_modules(GLESV2 REQUIRED IMPORTED_TARGET glesv2)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/gl_legacy.cmake)
