// A scene is a short named list of passes, run in order for every frame of
// its section. The renderer, the pass benchmark and the tests all run these
// lists, so each pass is written once, in its scene's file.
#pragma once

#include <cstddef>

struct Production;

// What a pass draws from: its scene's time (music time minus the scene's
// origin) and the frame's spectrum.
struct SceneFrame {
    double t;
    const float* spectrum;
};

struct Pass {
    const char* name;
    void (*draw)(Production& production, const SceneFrame& frame);
};

struct PassList {
    const Pass* passes;
    size_t count;

    const Pass* begin() const { return passes; }
    const Pass* end() const { return passes + count; }
};

// The scenes, each defined in its own file.
PassList LineFieldScene();     // scene 1
PassList AnimatedTitleScene(); // scene 2
PassList WaveGridScene();      // scene 3
PassList GreetingsScene();     // scene 4
PassList ClosingScene();       // scene 1 again, fading out
PassList CreditsScene();
