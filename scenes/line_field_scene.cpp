#include "app/globals.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

void RenderLineFieldScene(double t) {
    music.ReadSpectrum();

    // The field, turning one degree per second about each axis, with the
    // title laid into the picture the post program processes.
    DrawLineField(t);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawImageQuad(titleTexture);
    renderTarget.Unbind();

    DrawPostPass(0.5f, 0.5f, 500, 1.0f, 1.0f, 1.0f, 1.0f);

    // The title once more, crisp over the processed picture.
    DrawImageQuad(titleTexture);

    // Out of black over the first ten seconds; later times (the closing)
    // give a negative alpha, which leaves the frame alone.
    DrawFade(1.0f - 0.1f * static_cast<float>(t));
}
