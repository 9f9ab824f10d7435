#include "scenes/image_areas.h"

namespace {

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

TexBox AnimatedTitleBox(const Texture& title, const Viewport& v) {
    TexBox box = ContentBox(title, v.width / kGlowShrink, v.height / kGlowShrink);
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
    const TexBox animated = AnimatedTitleBox(p.titleTexture, v);
    areas.animatedTitleInTarget = QuadScissor(animated, 0, 0, v.width, v.height);
    areas.animatedTitleOnWindow = QuadScissor(animated, v.x, v.y, v.width, v.height);
    areas.caption = Strip(p.captionTexture, v, 0.5f, 0.125f);
    for (int i = 0; i < kGreetingCount; ++i)
        areas.greetings[i] = Strip(p.greetingTextures[i], v, 0.375f, 0.09375f);
    areas.credits = Strip(p.creditsTexture, v, 1.0f, 1.0f);
    return areas;
}
