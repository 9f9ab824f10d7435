#include "bass/bass_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>

double SteadySeconds() {
    using Clock = std::chrono::steady_clock;
    static const Clock::time_point epoch = Clock::now();
    return std::chrono::duration<double>(Clock::now() - epoch).count();
}

void FreeClock::Reset(double frameRate, int64_t frames) {
    *this = FreeClock();
    rate = frameRate;
    length = frames;
}

void FreeClock::Play(double now) {
    if (playing)
        return;
    anchorTime = now;
    playing = true;
}

void FreeClock::Stop(double now) {
    anchorFrame = Frame(now);
    playing = false;
}

void FreeClock::MoveTo(int64_t frame, double now) {
    anchorFrame = std::min(frame, length);
    anchorTime = now;
}

int64_t FreeClock::Frame(double now) const {
    if (!playing)
        return anchorFrame;
    double elapsed = std::max(0.0, now - anchorTime) * rate;
    return std::min(length, anchorFrame + int64_t(std::floor(elapsed)));
}

void HeardClock::Reset(double frameRate, int64_t frames) {
    *this = HeardClock();
    rate = frameRate;
    length = double(frames);
}

void HeardClock::Play(double now) {
    if (playing)
        return;
    playing = true;
    MoveTo(int64_t(pos), now);
}

void HeardClock::Stop(double now, const double* heardOffset) {
    pos = std::floor(Frame(now, heardOffset));
    playing = false;
}

void HeardClock::MoveTo(int64_t frame, double now) {
    pos = std::min(double(frame), length);
    start = pos;
    startTime = now;
    lastTime = now;
    heardYet = false;
}

double HeardClock::Frame(double now, const double* heardOffset) {
    if (!playing)
        return pos;
    double dt = std::max(0.0, now - lastTime);
    lastTime = now;
    double target = Target(now, heardOffset);
    if (!heardYet) {
        // The first frame reaches the listener: start from where it is.
        heardYet = target > start;
        if (heardYet)
            pos = target;
    } else {
        Steer(target, dt);
    }
    pos = std::min(pos, length);
    return pos;
}

double HeardClock::Target(double now, const double* heardOffset) const {
    if (heardOffset)
        return now * rate + *heardOffset;
    return start + std::max(0.0, now - startTime - kSilentGrace) * rate;
}

void HeardClock::Steer(double target, double dt) {
    double predicted = pos + dt * rate;
    double error = target - predicted;
    double jump = kJumpSeconds * rate;
    if (error > jump) {
        pos = target;
    } else if (error >= -jump) {
        double most = kSlew * dt * rate;
        pos = predicted + std::clamp(error, -most, most);
    }
}

double HeardLine::Add(double frame, double time, double rate) {
    offsets[next] = frame - time * rate;
    next = (next + 1) % kWindow;
    count = std::min(count + 1, kWindow);
    double best = offsets[0];
    for (int i = 1; i < count; ++i)
        best = std::max(best, offsets[i]);
    return best;
}
