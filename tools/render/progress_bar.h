// ProgressBar: one line on stderr, redrawn in place, telling how many frames
// of a sequence or video are done, how fast they go and how long the rest
// will take. Redraws at most a few times a second and allocates nothing.
#pragma once

#include <chrono>

class ProgressBar {
  public:
    // Draws the bar of no frames done.
    explicit ProgressBar(long totalFrames);
    void Update(long framesDone);
    // Draws the final state and ends the line.
    void Finish(long framesDone);

  private:
    using Clock = std::chrono::steady_clock;

    void Draw(long framesDone, Clock::time_point now);

    long total;
    Clock::time_point started = Clock::now();
    Clock::time_point lastDrawn = started;
};

// The text of the bar (without the leading carriage return) for `done` of
// `total` frames after `seconds` of work. Separate from the clock so that it
// can be checked on its own.
void FormatProgress(char* line, int size, long done, long total, double seconds);
