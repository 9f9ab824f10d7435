// One stream's link to the browser's output (bass_output_web.cpp), with the
// calls of the desktop's Voice (bass_voice.h) that Stream makes. The
// calling thread posts commands ("play from frame F", "stopped at frame F");
// each cancels what is scheduled at once.
//
// Between frames, Feed turns the decoded frames after the cursor into
// buffers at the AudioContext's rate (MixFrames, as the desktop's output
// thread does) and schedules them back to back: each starts at the context
// frame where the one before ends, so they join without a gap, and
// kAheadSeconds stay scheduled. A run of buffers (a segment) begins
// kLeadSeconds after the context's time, at the first Feed after a command,
// or where the buffers ran dry (no Feed for kAheadSeconds: a page in the
// background), from the frame where they stopped.
//
// The first segment after a command starts that much later than the command
// (the wait for the next Feed, the lead, the output's latency), so it starts
// that much further into the sound: from the first frame heard on, the music
// keeps time with the wall clock as if it had started at the command, the
// way a pause, a resume and a seek are timed by the viewer.
//
// The heard line: a segment maps context time onto frames, and the context
// says which of its times is being heard now (WebAudioHeardTime), which
// gives the frame heard now; never past the last frame scheduled. The
// context always tells what it plays, so the line is there from the command
// on: before the first buffer is scheduled, and while the context is
// suspended (no click yet), it stays behind the command's frame, and the
// heard clock holds still until the sound starts (HeardClock).
//
// Everything runs on the one thread the web build has.
#pragma once

#include "bass/bass_blocks.h"
#include "bass/bass_pcm.h"

#include <cstdint>
#include <vector>

class Voice {
  public:
    // Output frames per buffer: about five buffers a second.
    static constexpr int kChunkFrames = 8192;
    static constexpr double kAheadSeconds = 2.0;
    // A buffer starting sooner after the context's time than this might come
    // too late: the context renders a little ahead of its time.
    static constexpr double kLeadSeconds = 0.04;

    // Voice `id` of the output, whose context runs at `outputRate`.
    void Attach(const PcmBuffer* pcm, double outputRate, int id);
    void Post(bool playing, int64_t frame);
    // False while stopped.
    bool Heard(double* offset) const;
    // Schedules what `blocks` has decoded after the cursor, as far ahead as
    // kAheadSeconds.
    void Feed(const BlockDecoder& blocks);

  private:
    int Available(const BlockDecoder& blocks) const;
    double End() const;
    void CatchUp(double now);
    void StartSegment(double now);
    void Schedule(int frames);

    const PcmBuffer* pcm = nullptr;
    double rate = 0.0; // the context's frames per second
    double step = 1.0; // source frames per output frame
    int id = 0;

    bool playing = false;
    double cursor = 0.0;    // the source frame of the next output frame
    double postedAt = -1.0; // the context's time at a command not yet scheduled
    double postedFrame = 0.0;
    bool running = false;
    int64_t segmentStart = 0; // the context frame where the segment begins
    double segmentFrame = 0.0;
    int64_t segmentFrames = 0; // output frames scheduled in it

    std::vector<float> mixed;  // kChunkFrames stereo frames
    std::vector<float> planar; // the same, the left channel, then the right
};
