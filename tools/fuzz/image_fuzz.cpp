// Fuzz target: any bytes as an image file, through the production's own
// texture loader (decode, power-of-two scaling, mipmaps, upload). A file that
// is refused must leave id 0 and nothing else; one that loads must upload
// without a GL error.
//
// The loader refuses a PNG chunk whose CRC does not match, which random
// mutations almost never keep; the CRCs are set right first, so that the
// decoder behind that check is fuzzed as well as the check itself (inputs
// that are not chunked PNG pass unchanged; an odd last byte keeps them as
// they are).
//
// The loader takes a path, so each input is written to one scratch file of
// this process first. The GL context is made once and kept for the process
// lifetime, as the production keeps its window's.
#include "gfx/texture.h"
#include "platform/headless_gl.h"

#include <GL/glew.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string scratchPath;
// Never destroyed: tearing the driver down at exit is not what is tested.
// Held here, so the leak check at exit sees it still reachable.
HeadlessGl* context = nullptr;

uint32_t BigEndian32(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Rewrites the CRC of every whole chunk after the 8-byte signature.
void FixCrcs(std::vector<uint8_t>& bytes) {
    size_t at = 8;
    while (at + 12 <= bytes.size()) {
        const uint32_t length = BigEndian32(&bytes[at]);
        if (length > bytes.size() - at - 12)
            return;
        const uint32_t crc = uint32_t(crc32(0L, &bytes[at + 4], uInt(4 + length)));
        for (int i = 0; i < 4; ++i)
            bytes[at + 8 + length + i] = uint8_t(crc >> (24 - 8 * i));
        at += 12 + length;
    }
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
    std::atexit([] { std::remove(scratchPath.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    // An odd last byte leaves the CRCs as they are, so the check is fuzzed too.
    if (size > 0 && (data[size - 1] & 1) == 0)
        FixCrcs(bytes);
    if (!WriteScratch(bytes.data(), bytes.size()))
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
