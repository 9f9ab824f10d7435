#include "tests/render/pictures.h"

#include "tests/render/run_command.h"

#include <stb/stb_image.h>

bool Picture::RowIsBlack(int y) const {
    for (int x = 0; x < width; ++x)
        if (At(x, y)[0] || At(x, y)[1] || At(x, y)[2])
            return false;
    return true;
}

int Picture::LitPixels() const {
    int lit = 0;
    for (size_t i = 0; i < rgb.size(); i += 3)
        lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 30;
    return lit;
}

Picture LoadPng(const std::string& path) {
    Picture p;
    int channels = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &p.width, &p.height, &channels, 3);
    if (pixels)
        p.rgb.assign(pixels, pixels + p.width * p.height * 3);
    stbi_image_free(pixels);
    return p;
}

Picture DecodeVideoFrame(const std::string& video, int index, int width, int height) {
    CommandResult r = RunCommand({"ffmpeg", "-v", "error", "-i", video, "-vf",
                                  "select=eq(n\\," + std::to_string(index) + ")", "-frames:v", "1",
                                  "-f", "rawvideo", "-pix_fmt", "rgb24", "-"});
    Picture p;
    if (r.status != 0 || r.out.size() != static_cast<size_t>(width) * height * 3)
        return p;
    p.width = width;
    p.height = height;
    p.rgb.assign(r.out.begin(), r.out.end());
    return p;
}
