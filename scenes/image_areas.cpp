#include "scenes/image_areas.h"

#include "gfx/source_hash.h"
#include "shipped_ri_sources.h"

namespace {

// The wave and glow below are those of the shipped "ri" sources. Any other
// files of those names may reach anywhere on the quad, so their title is
// drawn whole.
constexpr std::uint64_t kShippedRiHash =
    SourceHash(SourceHash(kSourceHashStart, kShippedRiVertex, sizeof kShippedRiVertex - 1),
               kShippedRiPixel, sizeof kShippedRiPixel - 1);

// How far the animated title's wave moves a texel sideways: "a" × 0.012, and
// the scene keeps "a" at 0.5 or below; rounded up.
constexpr float kWaveReach = 0.01f;
// Its glow reads 3.5 mip levels coarser than the quad's own: as a quad 2^4
// times smaller would.
constexpr float kGlowShrink = 16.0f;

// The box of a texture on a quad of the given size; a missing texture (0)
// draws the whole quad in the current colour.
TexBox ContentBox(const Texture& texture, float quadWidth, float quadHeight) {
    if (texture.id == 0)
        return {0.0f, 0.0f, 1.0f, 1.0f};
    return TextureContentBox(texture.id, quadWidth, quadHeight);
}

TexBox AnimatedTitleBox(const Production& p, const Viewport& v) {
    if (p.riProgram.sourceHash != kShippedRiHash)
        return {0.0f, 0.0f, 1.0f, 1.0f};
    TexBox box = ContentBox(p.titleTexture, v.width / kGlowShrink, v.height / kGlowShrink);
    if (!box.Empty()) {
        box.s0 -= kWaveReach;
        box.s1 += kWaveReach;
    }
    return box;
}

// A quad over the viewport scaled by sx, sy about its centre.
ScissorRect Strip(const Texture& texture, const Viewport& v, float sx, float sy) {
    const TexBox box = ContentBox(texture, v.width * sx, v.height * sy);
    return QuadScissor(box, v.x, v.y, v.width, v.height, sx, sy);
}

} // namespace

ImageAreas FindImageAreas(const Production& p, const Viewport& v) {
    ImageAreas areas;
    const TexBox title = ContentBox(p.titleTexture, v.width, v.height);
    areas.titleInTarget = QuadScissor(title, 0, 0, v.width, v.height);
    areas.titleOnWindow = QuadScissor(title, v.x, v.y, v.width, v.height);
    const TexBox animated = AnimatedTitleBox(p, v);
    areas.animatedTitleInTarget = QuadScissor(animated, 0, 0, v.width, v.height);
    areas.animatedTitleOnWindow = QuadScissor(animated, v.x, v.y, v.width, v.height);
    areas.caption = Strip(p.captionTexture, v, 0.5f, 0.125f);
    for (int i = 0; i < kGreetingCount; ++i)
        areas.greetings[i] = Strip(p.greetingTextures[i], v, 0.375f, 0.09375f);
    areas.credits = Strip(p.creditsTexture, v, 1.0f, 1.0f);
    return areas;
}
