// The full-viewport images and the loading image.
#include <cmath>

#include "images.h"

Image MakeTitleImage(const FontSet& fonts) {
    Image img(kWideWidth, kWideHeight);
    // Straight-alpha pixels that are fully clear still get filtered with their
    // neighbours at load, so their colour is the glow's rather than black.
    img.Fill(kTeal, 0.0f);
    Mask text(kWideWidth, kWideHeight);
    InkBox ink = DrawFitted(text, fonts.sansBold, "zentrafel", 800.0f, 200.0f, kWideWidth / 2.0f,
                            kWideHeight / 2.0f - 10, 0.02f);
    // Glow behind, a dark rim for contrast against the bright lines, then the
    // letters themselves.
    img.Paint(Blurred(text, 22.0f), kTeal, 0.55f);
    img.Paint(Amplified(Blurred(text, 3.0f), 3.5f), {0.02f, 0.03f, 0.06f}, 0.85f);
    // White at the top of the ink fading to warm at the bottom, like the tips
    // of the line field.
    img.PaintShaded(text, Downwards(ink, kWhite, kWarm, true));
    Mask rule(kWideWidth, kWideHeight);
    FillRule(rule, ink.left, ink.right, static_cast<int>(ink.bottom) + 26, 4);
    img.Paint(Amplified(Blurred(rule, 2.0f), 3.0f), {0.02f, 0.03f, 0.06f}, 0.7f);
    img.Paint(rule, kWarm);
    return img;
}

Image MakeLoadingImage(const FontSet& fonts) {
    Image img(kLoadingSize, kLoadingSize);
    img.Fill({0, 0, 0}, 1.0f);
    Mask text(kLoadingSize, kLoadingSize);
    InkBox ink = DrawFitted(text, fonts.sansLight, "loading", 190.0f, 60.0f, kLoadingSize / 2.0f,
                            112.0f, 0.08f);
    img.Add(Blurred(text, 6.0f), kTeal, 1.4f);
    img.PaintShaded(text, Downwards(ink, kWhite, kWarm, true));
    // A row of dots that brighten left to right, as if filling up.
    const int count = 7;
    for (int i = 0; i < count; ++i) {
        Mask dot(kLoadingSize, kLoadingSize);
        FillDisc(dot, 68.0f + i * 20.0f, 168.0f, 4.0f);
        img.Add(Blurred(dot, 3.0f), kWarm, 0.6f);
        img.Paint(dot, Mix(kTeal, kWhite, i / (count - 1.0f)), 0.35f + 0.65f * i / (count - 1.0f));
    }
    return img;
}

Image MakeCreditsImage(const FontSet& fonts) {
    Image img(kWideWidth, kWideHeight);
    img.Fill({0, 0, 0}, 1.0f);
    Mask heading(kWideWidth, kWideHeight);
    InkBox ink = DrawFitted(heading, fonts.sansBold, "zentrafel", 420.0f, 80.0f, kWideWidth / 2.0f,
                            100.0f, 0.02f);
    img.Add(Blurred(heading, 12.0f), kTeal, 1.2f);
    img.PaintShaded(heading, Downwards(ink, kWhite, kWarm, true));
    Mask rule(kWideWidth, kWideHeight);
    FillRule(rule, 262.0f, 762.0f, 162, 2);
    img.Paint(rule, kWarm, 0.8f);

    // Roles right-aligned to a centre gutter, names left-aligned after it.
    struct Line {
        const char* role;
        const char* who;
    };
    const Line lines[] = {
        {"code", "the zentrafel team"},
        {"music", "the zentrafel team and its own synthesiser"},
        {"graphics", "the zentrafel team and its image maker"},
        {"lettering", "DejaVu fonts"},
    };
    const float gutter = 300.0f, textSize = 30.0f, lineGap = 62.0f;
    Mask roles(kWideWidth, kWideHeight), names(kWideWidth, kWideHeight);
    float y = 250.0f;
    for (const Line& line : lines) {
        InkBox r = fonts.sans.Measure(line.role, textSize);
        fonts.sans.Draw(roles, line.role, textSize, gutter - 24.0f - r.right, y);
        fonts.sans.Draw(names, line.who, textSize, gutter + 24.0f, y);
        y += lineGap;
    }
    img.Paint(roles, kTeal);
    img.Paint(names, kWhite);
    Mask thanks(kWideWidth, kWideHeight);
    fonts.sansLight.DrawCentred(thanks, "thank you for watching", 34.0f, kWideWidth / 2.0f, 520.0f,
                                2.0f);
    img.Add(Blurred(thanks, 6.0f), kWarm, 0.8f);
    img.Paint(thanks, kWhite);
    return img;
}

Image MakeSpriteImage() {
    Image img(kSpriteSize, kSpriteSize);
    const float centre = kSpriteSize / 2.0f, radius = kSpriteSize / 2.0f;
    for (int y = 0; y < kSpriteSize; ++y)
        for (int x = 0; x < kSpriteSize; ++x) {
            float f = GlowFalloff(std::hypot(x + 0.5f - centre, y + 0.5f - centre), radius);
            // Straight alpha f with a colour of brightness f: after the loader's
            // premultiplication the light falls off as f squared.
            float* p = img.Pixel(x, y);
            p[0] = p[1] = p[2] = f * f;
            p[3] = f;
        }
    return img;
}
