// A JACK client that listens to the first output port of another client (the
// system's own ports aside) and keeps the loudest sample it heard, so a test
// can tell whether sound reached the server. Its process callback runs on
// JACK's thread.
#pragma once

#include <atomic>

typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

class JackListener {
  public:
    // Opens on the server JACK_DEFAULT_SERVER names and connects its input.
    bool Open();
    void Close();
    ~JackListener() { Close(); }

    // The loudest sample since the last call, and starts over.
    float TakePeak() { return peak.exchange(0.0f); }

  private:
    static int Process(unsigned frames, void* self);
    bool ConnectSources();

    jack_client_t* client = nullptr;
    jack_port_t* input = nullptr;
    std::atomic<float> peak{0.0f};
};
