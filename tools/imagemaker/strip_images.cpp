// The caption strip and the greetings heading: glowing words on black.
#include "images.h"

Image BlackStrip() {
    Image img(kStripWidth, kStripHeight);
    img.Fill({0, 0, 0}, 1.0f);
    return img;
}

Image MakeCaptionImage(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    DrawFitted(text, fonts.sansBold, "pellumin", 620.0f, 72.0f, kStripWidth / 2.0f,
               kStripHeight / 2.0f, 0.06f);
    // Two glows, wide and warm then tight and bright, make the letters burn.
    img.Add(Blurred(text, 16.0f), {1.0f, 0.45f, 0.12f}, 1.6f);
    img.Add(Blurred(text, 4.0f), {1.0f, 0.75f, 0.4f}, 1.0f);
    img.Paint(text, {1.0f, 0.97f, 0.9f});
    return img;
}

Image MakeGreetingsImage(const FontSet& fonts) {
    Image img = BlackStrip();
    Mask text(kStripWidth, kStripHeight);
    // Condensed bold lets the letters stand tall in the strip; at a third of
    // their drawn size thin strokes would vanish into the particles.
    DrawFitted(text, fonts.condensedBold, "greetings to", 720.0f, 92.0f, kStripWidth / 2.0f,
               kStripHeight / 2.0f, 0.05f);
    img.Add(Blurred(text, 14.0f), {0.1f, 0.55f, 1.0f}, 1.7f);
    img.Add(Blurred(text, 3.5f), {0.4f, 0.85f, 1.0f}, 1.1f);
    img.Paint(text, {0.94f, 0.99f, 1.0f});
    return img;
}
