# The browser build's libraries (scripts/build-web). GLFW and WebGL are
# emscripten's own JavaScript libraries; libogg, libvorbis, kissfft and zlib
# are Debian's source packages built with emscripten into a static prefix;
# stb_image is Debian's header, compiled into gfx/. The production draws
# through the layer of gles/, WebGL 1 being OpenGL ES 2.0.
set(ZENTRAFEL_WEB_DEPS "" CACHE PATH "The prefix scripts/build-web builds the libraries into")
if(NOT EXISTS "${ZENTRAFEL_WEB_DEPS}/lib/libvorbisfile.a")
  message(FATAL_ERROR "No libraries for the browser in '${ZENTRAFEL_WEB_DEPS}': "
    "build them with scripts/build-web --deps-only")
endif()
set(ZENTRAFEL_GL gles2 CACHE STRING "The GL the production draws through" FORCE)

# One imported target per library of the prefix, under the names the
# desktop build gives them.
function(zentrafel_web_library target)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set(files)
  foreach(name ${ARGN})
    list(APPEND files ${ZENTRAFEL_WEB_DEPS}/lib/lib${name}.a)
  endforeach()
  target_link_libraries(${target} INTERFACE ${files})
  target_include_directories(${target} SYSTEM INTERFACE ${ZENTRAFEL_WEB_DEPS}/include)
endfunction()
zentrafel_web_library(PkgConfig::VORBISFILE vorbisfile vorbis ogg)
zentrafel_web_library(PkgConfig::KISSFFT kissfft-float)
target_include_directories(PkgConfig::KISSFFT SYSTEM INTERFACE ${ZENTRAFEL_WEB_DEPS}/include/kissfft)
target_compile_definitions(PkgConfig::KISSFFT INTERFACE kiss_fft_scalar=float)
zentrafel_web_library(PkgConfig::GLESV2)
zentrafel_web_library(PkgConfig::GLFW)
target_link_options(PkgConfig::GLFW INTERFACE -sUSE_GLFW=3)
set(ZLIB_INCLUDE_DIR ${ZENTRAFEL_WEB_DEPS}/include CACHE PATH "" FORCE)
set(ZLIB_LIBRARY ${ZENTRAFEL_WEB_DEPS}/lib/libz.a CACHE FILEPATH "" FORCE)
find_package(Threads REQUIRED)

find_path(STB_INCLUDE_DIR stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(stb INTERFACE)
target_include_directories(stb SYSTEM INTERFACE ${STB_INCLUDE_DIR})
