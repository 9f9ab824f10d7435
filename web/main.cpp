// The browser's entry points. The page (index.html, page.js) asks
// "Fullscreen?", fetches the resources into ./resource/ and, on the click,
// calls zentrafel_play; a link to one moment calls zentrafel_still instead,
// and the benchmark's link zentrafel_bench.
// A run is the page's one production: the browser calls Step once per
// display frame, and the run's end is handed back to the page, which returns
// to its start screen.
#include "app/frame_loop.h"
#include "app/section_bench.h"
#include "app/startup.h"
#include "bass/audio_options.h"
#include "platform/line_output.h"

#include <GLFW/glfw3.h>
#include <emscripten.h>

#include <cstdio>
#include <memory>

namespace {

enum class Stage { Load, Play };

// What the run is for: the production, the one frame at `start`, or the
// frame times of every section.
enum class Purpose { Play, Still, Bench };

// What a run's frames need between the browser's calls. Made once and never
// destroyed: the browser may call back into it until the page goes.
struct Run {
    Music music{};
    Playback playback{&music};
    Window window{};
    Viewport viewport{};
    std::unique_ptr<Production> production = std::make_unique<Production>();
    Stage stage = Stage::Load;
    Purpose purpose = Purpose::Play;
    double start = 0.0;
    double time = 0.0; // of the frame drawn last
    bool started = false;
};

Run& run = *new Run();

// Tells the page how the run ended: "failed" (start-up failed; its messages
// are printed), "shown" (the still is drawn) or "ended" (Escape or the end
// of the music).
void Finish(const char* how) {
    emscripten_cancel_main_loop();
    // The audio library's error text ends without a line end: the console
    // shows a line at its end, so what is left is flushed through as one.
    std::fflush(stdout);
    EM_ASM({
        const out = FS.getStream(1);
        if (out && out.tty)
            out.stream_ops.flush(out);
    });
    EM_ASM({ Module.zentrafelFinished(UTF8ToString($0)); }, how);
}

// The loading image has been on screen for a frame: load everything, then
// draw the first frame at once.
bool Load() {
    if (!LoadProduction(*run.production, run.music, run.viewport, run.window.displayScale))
        return false;
    if (run.purpose != Purpose::Play) {
        run.music.SetPosition(run.start);
        return true;
    }
    if (!StartAt(run.music, run.start))
        return false;
    run.music.Play();
    return true;
}

void Bench() {
    std::printf("\nzentrafel ?bench at %dx%d (drawn area %dx%d) on %s\n\n", run.window.width,
                run.window.height, run.viewport.width, run.viewport.height,
                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    PrintSectionFrameTimes(
        [](double t) {
            run.music.SetPosition(t);
            DrawFrame(*run.production, run.music);
        },
        run.music.length);
    Finish("shown");
}

void Step() {
    if (run.stage == Stage::Load) {
        if (!Load())
            return Finish("failed");
        run.stage = Stage::Play;
        if (run.purpose == Purpose::Bench)
            return Bench();
        run.time = DrawFrame(*run.production, run.music);
        if (run.purpose == Purpose::Still)
            return Finish("shown");
        EM_ASM({ Module.zentrafelPlaying(); });
        return;
    }
    if (glfwWindowShouldClose(run.window.handle) || run.time >= run.music.length) {
        run.music.Stop();
        return Finish("ended");
    }
    run.time = DrawFrame(*run.production, run.music);
    // The decoding the music still needs, between two frames.
    AudioDecodeAhead();
}

// Opens the canvas's window at width × height device pixels with the loading
// image in it and hands the rest to the browser's frames. False when the
// window or its GL falls short (the reason is printed).
bool Begin(int width, int height, double start, Purpose purpose) {
    if (run.started)
        return false;
    run.started = true;
    run.start = start;
    run.purpose = purpose;
    AudioForceNoSound(purpose != Purpose::Play);
    if (!OpenWithLoadingScreen(false, WindowChoice{-1, width, height}, run.playback, run.window,
                               run.viewport, *run.production))
        return false;
    emscripten_set_main_loop(Step, 0, 0);
    return true;
}

} // namespace

extern "C" {

// The click on the start screen: the production at `start` seconds, in a
// canvas of width × height device pixels (the page's size, or the screen's
// when it went full screen).
EMSCRIPTEN_KEEPALIVE int zentrafel_play(int width, int height, double start) {
    return Begin(width, height, start, Purpose::Play);
}

// ?at=T&size=WxH: the single frame at music time T, without sound.
EMSCRIPTEN_KEEPALIVE int zentrafel_still(int width, int height, double time) {
    return Begin(width, height, time, Purpose::Still);
}

// ?bench&size=WxH: the frame times of every section, printed as a table.
EMSCRIPTEN_KEEPALIVE int zentrafel_bench(int width, int height) {
    return Begin(width, height, 0.0, Purpose::Bench);
}

} // extern "C"

int main() {
    DeliverLinesAtOnce(stdout);
    return 0;
}
