// What the production asks its GL loader: there is nothing to load, so the
// layer sets itself up and reports the requirements it provides.
#include "gles/layer_state.h"
#include "gles/legacy_gl.h"

#include <cstring>

namespace {

// The production's requirements (app/gl_requirements.cpp), each provided by
// the layer over GLES 2.0.
const char* const kProvided[] = {
    "GL_VERSION_2_1",          "GL_EXT_framebuffer_object", "GL_EXT_framebuffer_blit",
    "GL_ARB_point_parameters", "GL_ARB_point_sprite",
};

} // namespace

GLenum zglew_Init() {
    return InitLayer() ? 0 : 1;
}

GLboolean zglew_IsSupported(const char* name) {
    for (const char* provided : kProvided)
        if (std::strcmp(name, provided) == 0)
            return GL_TRUE;
    return GL_FALSE;
}
