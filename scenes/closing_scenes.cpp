#include "app/globals.h"
#include "app/timeline.h"
#include "scenes/scene_steps.h"
#include "scenes/scenes.h"

void RenderClosing(double t) {
    // The opening again, going on from where the music time puts it; its own
    // fade has long passed.
    RenderLineFieldScene(t);
    DrawFade(static_cast<float>(closingFadeTrack.Evaluate(t)));
}

void RenderCredits(double t) {
    glClear(GL_COLOR_BUFFER_BIT);
    LoadIdentityMatrices();
    glDisable(GL_DEPTH_TEST);

    // Added onto black, the image shows its colours whatever its alpha holds.
    creditsTexture.Bind(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawTexturedQuad();
    glDisable(GL_BLEND);
    creditsTexture.Unbind();

    DrawFade(static_cast<float>(creditsFadeTrack.Evaluate(t - kCreditsStart)));
}
