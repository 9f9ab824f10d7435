# The legacy GL interface (fixed function, immediate mode) with GLEW's entry
# points: the desktop's own, or (gles2) the layer of gles/ over OpenGL ES 2.0,
# its headers first on the include path so that the code calling GL stays as
# it is.
set(ZENTRAFEL_GL desktop CACHE STRING "The GL the production draws through: desktop or gles2")
set_property(CACHE ZENTRAFEL_GL PROPERTY STRINGS desktop gles2)
add_library(gl_legacy INTERFACE)
if(ZENTRAFEL_GL STREQUAL "gles2")
  target_include_directories(gl_legacy BEFORE INTERFACE ${PROJECT_SOURCE_DIR}/gles/include)
  target_link_libraries(gl_legacy INTERFACE zf_gles)
  target_compile_definitions(gl_legacy INTERFACE ZENTRAFEL_GLES2)
else()
  target_link_libraries(gl_legacy INTERFACE PkgConfig::GLEW PkgConfig::GLU OpenGL::GL)
endif()
