#include "app/gl_requirements.h"

#include "platform/report.h"

#include <GL/glew.h>

namespace {

// GL 2.1 for the shaders' "#version 120" (GLSL 1.20). EXT_framebuffer_blit is
// here for its GL_DRAW_FRAMEBUFFER target, which every render target call
// names.
const char* const kRequirements[] = {
    "GL_VERSION_2_1",          "GL_EXT_framebuffer_object", "GL_EXT_framebuffer_blit",
    "GL_ARB_point_parameters", "GL_ARB_point_sprite",
};

} // namespace

bool GlewHasFeature(const char* name) {
    return glewIsSupported(name) == GL_TRUE;
}

const char* FirstMissingGlRequirement(GlFeatureQuery hasFeature) {
    for (const char* name : kRequirements) {
        if (!hasFeature(name))
            return name;
    }
    return nullptr;
}

bool HasGlRequirements() {
    const char* missing = FirstMissingGlRequirement();
    if (!missing)
        return true;
    Report("the OpenGL driver lacks %s, which the production needs", missing);
    return false;
}
