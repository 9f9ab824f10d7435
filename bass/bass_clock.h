// The clocks behind a stream's position, counted in frames (fractions allowed
// inside, whole frames outside). Pure arithmetic: callers pass the steady-clock
// time in, so every rule here can be exercised with made-up times. All of it
// runs on the thread that makes the library calls, except HeardLine, which the
// output thread owns.
#pragma once

#include <cstdint>

// Seconds on std::chrono::steady_clock since the first call in this process.
double SteadySeconds();

// The "no sound" device's clock: real time from the steady clock, anchored at
// play and at each move, frozen while stopped, never past the end.
class FreeClock {
  public:
    void Reset(double rate, int64_t length);
    void Play(double now);
    void Stop(double now);
    void MoveTo(int64_t frame, double now);
    int64_t Frame(double now) const;

  private:
    double rate = 0;
    int64_t length = 0;
    int64_t anchorFrame = 0;
    double anchorTime = 0;
    bool playing = false;
};

// An output device's clock. The output thread reports the frame being heard as
// a line, heard(t) = t × rate + offset (see HeardLine); reading that line
// directly would jump by a callback's jitter, so this clock advances with the
// steady clock and steers towards the line by at most kSlew of each step:
//   - it never moves backwards while playing;
//   - after play or a move it holds still until the first frame is heard;
//   - far behind the line (frames lost, a stall) it jumps forward to it;
//     far ahead it holds still until the sound catches up;
//   - when reports stop (the device vanished) it runs on in real time from the
//     last one; when none came at all, from kSilentGrace after play.
class HeardClock {
  public:
    static constexpr double kSlew = 0.05;
    static constexpr double kJumpSeconds = 0.05;
    static constexpr double kSilentGrace = 0.5;

    void Reset(double rate, int64_t length);
    void Play(double now);
    // Freezes at the whole frame reached now.
    void Stop(double now, const double* heardOffset);
    void MoveTo(int64_t frame, double now);
    // heardOffset: the line's offset for the current play, or null while the
    // output thread has reported nothing since the last Play or MoveTo.
    double Frame(double now, const double* heardOffset);
    bool Playing() const { return playing; }

  private:
    double Target(double now, const double* heardOffset) const;
    void Steer(double target, double dt);

    double rate = 0;
    double length = 0;
    double pos = 0;
    double start = 0;
    double startTime = 0;
    double lastTime = 0;
    bool playing = false;
    bool heardYet = false;
};

// Estimates the heard line's offset on the output thread. Each callback reports
// that buffer frame F reaches the converter at steady time T. A callback that
// woke late reports a T too late, never too early, so the best offset
// (F − T × rate) is the largest of the recent reports; the window is short
// enough to follow the drift between the device's clock and the steady clock.
class HeardLine {
  public:
    static constexpr int kWindow = 32;

    void Reset() { count = next = 0; }
    // Returns the offset estimate including this report.
    double Add(double frame, double time, double rate);

  private:
    double offsets[kWindow] = {};
    int count = 0;
    int next = 0;
};
