// A JACK server on the dummy driver: no sound card, but paced in real time
// (512-frame periods), under a name of its own so it never meets another
// server. The audio library's PortAudio path is tested and measured
// against it. One per process at a time; not thread-safe.
#pragma once

#include <string>
#include <sys/types.h>

class JackDummyServer {
  public:
    // Frames per period: the server hands each client one buffer this long
    // per cycle, so an output on it reports at least this much latency.
    static constexpr int kPeriodFrames = 512;

    // Starts `jackd` and waits until it accepts clients, then points this
    // process's JACK clients at it (JACK_DEFAULT_SERVER). False with a line on
    // stderr when it does not come up within ten seconds.
    bool Start(long rate = 44100);
    // Ends the server (SIGTERM, then SIGKILL after two seconds) and reaps it.
    void Stop();
    ~JackDummyServer() { Stop(); }

  private:
    std::string name;
    pid_t pid = 0;
};
