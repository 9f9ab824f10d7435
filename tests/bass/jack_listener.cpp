#include "tests/bass/jack_listener.h"

#include <jack/jack.h>

#include <cmath>
#include <cstring>

int JackListener::Process(unsigned frames, void* self) {
    JackListener* listener = static_cast<JackListener*>(self);
    const float* in = static_cast<const float*>(jack_port_get_buffer(listener->input, frames));
    float loudest = 0.0f;
    for (unsigned i = 0; i < frames; ++i)
        loudest = std::max(loudest, std::fabs(in[i]));
    float seen = listener->peak.load();
    while (loudest > seen && !listener->peak.compare_exchange_weak(seen, loudest)) {
    }
    return 0;
}

bool JackListener::Open() {
    jack_status_t status;
    client = jack_client_open("zf_listener", JackNoStartServer, &status);
    if (!client)
        return false;
    input = jack_port_register(client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    if (!input || jack_set_process_callback(client, Process, this) != 0 ||
        jack_activate(client) != 0)
        return false;
    return ConnectSources();
}

bool JackListener::ConnectSources() {
    const char** ports = jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
    // One port only: JACK sums what meets at an input, and the peak should be
    // that of one channel.
    bool connected = false;
    for (int i = 0; ports && ports[i] && !connected; ++i) {
        if (std::strncmp(ports[i], "system:", 7) != 0)
            connected = jack_connect(client, ports[i], jack_port_name(input)) == 0;
    }
    jack_free(ports);
    return connected;
}

void JackListener::Close() {
    if (client)
        jack_client_close(client);
    client = nullptr;
}
