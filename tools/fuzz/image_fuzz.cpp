// Fuzz target: any bytes as an image file, through the production's own
// texture loader (decode, power-of-two scaling, mipmaps, upload). A file that
// is refused must leave id 0 and nothing else; one that loads must upload
// without a GL error.
//
// The loader takes a path, so each input is written to one scratch file of
// this process first. The GL context is made once and kept for the process
// lifetime, as the production keeps its window's.
#include "gfx/texture.h"
#include "platform/headless_gl.h"

#include <GL/glew.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string scratchPath;
// Never destroyed: tearing the driver down at exit is not what is tested.
// Held here, so the leak check at exit sees it still reachable.
HeadlessGl* context = nullptr;

void RemoveScratch() {
    std::remove(scratchPath.c_str());
}

bool WriteScratch(const uint8_t* data, size_t size) {
    FILE* file = std::fopen(scratchPath.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    context = new HeadlessGl();
    if (!context->Create(64, 64))
        std::abort();
    const char* tmp = std::getenv("TMPDIR");
    scratchPath =
        std::string(tmp ? tmp : "/tmp") + "/zentrafel-image-fuzz-" + std::to_string(getpid());
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!WriteScratch(data, size))
        std::abort();
    Texture texture{};
    texture.Load(scratchPath);
    if (texture.id != 0) {
        // A texture the loader hands out must be a complete, valid upload.
        if (glGetError() != GL_NO_ERROR || !glIsTexture(texture.id))
            std::abort();
        glDeleteTextures(1, &texture.id);
    }
    return 0;
}
