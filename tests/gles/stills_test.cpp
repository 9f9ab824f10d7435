// The gles2 build's frames against the desktop build's, both drawn now on
// the same machine: 32 stills at 640x360 over every section and both sides
// of every boundary (a subset of scripts/compare-stills's times). Per still
// the share of pixels differing by more than 10 % of full scale in any
// channel and the PSNR over all channels are printed as a table row
// (docs/gles2.md) and held to the goals; the greetings' and the credits'
// stills are held identical; where the context draws the lines itself,
// every still.
#include "platform/headless_gl.h"
#include "tests/render/pictures.h"
#include "tests/support/run_command.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kTimes[] = "0.5,5,9.9,10.1,20,33,42.5,42.6,42.7,46.6,53,63,64.5,64.6,64.7,70,83.6,"
                      "85.5,85.6,85.7,96.6,108,120,140,148.9,149,149.1,160,170.9,171,176,181";

struct Difference {
    long beyondTenth = 0; // pixels with a channel more than 25 levels off
    long any = 0;         // pixels that differ at all
    int largest = 0;      // the largest difference in a channel
    double psnr = INFINITY;
};

Difference Compare(const Picture& desktop, const Picture& gles) {
    Difference d;
    double squares = 0.0;
    for (size_t p = 0; p < desktop.rgb.size(); p += 3) {
        int largest = 0;
        for (size_t c = p; c < p + 3; ++c) {
            const int e = std::abs(int(desktop.rgb[c]) - int(gles.rgb[c]));
            squares += double(e) * e;
            largest = std::max(largest, e);
        }
        d.any += largest > 0;
        d.beyondTenth += largest > 25;
        d.largest = std::max(d.largest, largest);
    }
    if (squares > 0.0)
        d.psnr = 10.0 * std::log10(255.0 * 255.0 * double(desktop.rgb.size()) / squares);
    return d;
}

// `lines`: how the gles2 build draws lines (the layer's choice, or
// "triangles").
std::string RenderStills(const char* program, const char* lines = nullptr) {
    const std::string dir = MakeTempDir();
    std::vector<std::string> command = {program, "--at", kTimes, "--size", "640x360", "--out", dir};
    if (lines)
        command.insert(command.begin(), {"env", std::string("ZENTRAFEL_GLES_LINES=") + lines});
    const CommandResult r = RunCommand(command);
    EXPECT_EQ(r.status, 0) << program << ": " << r.err;
    return dir;
}

// The greetings (85.6 to 149 s) and the credits (from 171 s), byte for byte
// the desktop's where GL_CLAMP has the border it needs.
bool HeldIdentical(double t) {
    return (t >= 85.6 && t <= 149.0) || t >= 171.0;
}

// What the GLES context offers: the border clamp (an extension of GLES 2,
// core in ES 3.2; without it the greetings' strips differ in their top and
// bottom rows, docs/gles2.md), and wide lines of its own at the desktop's
// precision, which the layer then lets it draw.
struct ContextOffers {
    bool borderClamp = false;
    bool wideLines = false;
};

ContextOffers WhatTheContextOffers() {
    HeadlessGl gl;
    if (!gl.Create(16, 16))
        return {};
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ContextOffers offers;
    offers.borderClamp = (extensions && (std::strstr(extensions, "GL_OES_texture_border_clamp") ||
                                         std::strstr(extensions, "GL_EXT_texture_border_clamp"))) ||
                         (version && std::strncmp(version, "OpenGL ES 3.2", 13) == 0);
    GLint bits = 0;
    GLfloat range[2] = {1.0f, 1.0f};
    glGetIntegerv(GL_SUBPIXEL_BITS, &bits);
    glGetFloatv(GL_ALIASED_LINE_WIDTH_RANGE, range);
    offers.wideLines = bits >= 8 && range[1] >= 4.0f;
    gl.Destroy();
    return offers;
}

// Each still of `gles` against `desktop`, printed as a table row and held to
// the goals; `linesIdentical`: every still byte for byte where the context
// offers the border clamp.
void HoldStills(const std::string& desktop, const std::string& gles, bool linesIdentical) {
    const bool borderClamp = WhatTheContextOffers().borderClamp;
    std::printf("| Music time (s) | Pixels > 10 %% | Pixels differing | Largest | PSNR (dB) |\n"
                "|---|---|---|---|---|\n");
    const std::string times = kTimes;
    for (size_t at = 0; at < times.size();) {
        const size_t comma = std::min(times.find(',', at), times.size());
        const double t = std::stod(times.substr(at, comma - at));
        at = comma + 1;
        char name[32];
        std::snprintf(name, sizeof name, "/%07.3f.png", t);
        const Picture a = LoadPng(desktop + name);
        const Picture b = LoadPng(gles + name);
        ASSERT_FALSE(a.rgb.empty()) << name;
        ASSERT_EQ(a.rgb.size(), b.rgb.size()) << name;
        const Difference d = Compare(a, b);
        const double pixels = double(a.rgb.size() / 3);
        std::printf("| %.3f | %ld (%.3f %%) | %ld | %d | %s |\n", t, d.beyondTenth,
                    100.0 * d.beyondTenth / pixels, d.any, d.largest,
                    std::isinf(d.psnr) ? "identical" : std::to_string(d.psnr).substr(0, 5).c_str());
        EXPECT_LE(d.beyondTenth, 0.0005 * pixels) << name;
        EXPECT_GE(d.psnr, 50.0) << name;
        if ((HeldIdentical(t) || linesIdentical) && borderClamp)
            EXPECT_EQ(d.any, 0) << name;
        else if (HeldIdentical(t)) {
            EXPECT_LE(d.largest, 5) << name;
            EXPECT_LE(d.any, 0.001 * pixels) << name;
        }
    }
}

} // namespace

// Lines as the layer draws them here (by the context, where it offers the
// width), and as two triangles each (as where it does not).
TEST(GlesStills, EveryStillIsAsGoodAsIdenticalToTheDesktops) {
    const std::string desktop = RenderStills(ZENTRAFEL_DESKTOP_RENDER);
    std::printf("Lines as the layer chooses:\n");
    HoldStills(desktop, RenderStills(ZENTRAFEL_RENDER), WhatTheContextOffers().wideLines);
    std::printf("Lines as two triangles each:\n");
    HoldStills(desktop, RenderStills(ZENTRAFEL_RENDER, "triangles"), false);
}
