#include "bass/bass_output.h"

#include "bass/bass.h"
#include "platform/audio_quiet.h"

#include <portaudio.h>

#include <algorithm>
#include <atomic>

namespace {

constexpr int kMaxVoices = 64;

// Process-lifetime and trivially destructible: the output thread may still run
// while the process exits, so nothing it touches is ever destroyed.
Voice voices[kMaxVoices];
std::atomic<int> voiceCount{0};
PaStream* stream = nullptr;
double outputRate = 0.0;
int outputChannels = 0;
double streamLatency = 0.0;

// The delay until the buffer reaches the converter, as PortAudio reports it;
// the stream's nominal latency where a host API leaves the times empty.
double BufferDelay(const PaStreamCallbackTimeInfo* time) {
    double delay = time->outputBufferDacTime - time->currentTime;
    return delay > 0.0 && delay < 1.0 ? delay : streamLatency;
}

int OutputCallback(const void*, void* output, unsigned long frames,
                   const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags, void*) {
    float* out = static_cast<float*>(output);
    std::fill(out, out + frames * outputChannels, 0.0f);
    double dacTime = SteadySeconds() + BufferDelay(time);
    int count = voiceCount.load(std::memory_order_acquire);
    for (int i = 0; i < count; ++i)
        voices[i].Render(out, frames, outputChannels, dacTime);
    for (unsigned long i = 0; i < frames * outputChannels; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    return paContinue;
}

PaDeviceIndex DefaultDevice() {
    PaHostApiIndex jack = Pa_HostApiTypeIdToHostApiIndex(paJACK);
    const PaHostApiInfo* api = jack >= 0 ? Pa_GetHostApiInfo(jack) : nullptr;
    if (api && api->defaultOutputDevice != paNoDevice)
        return api->defaultOutputDevice;
    return Pa_GetDefaultOutputDevice();
}

// A JACK server runs at its own rate only: where the requested rate will not
// open, the device's own rate is tried, and the voices convert to it.
bool OpenAtRate(PaDeviceIndex device, const PaDeviceInfo& info, double rate) {
    PaStreamParameters params{device, outputChannels, paFloat32, info.defaultHighOutputLatency,
                              nullptr};
    for (double tried : {rate, info.defaultSampleRate}) {
        if (Pa_OpenStream(&stream, nullptr, &params, tried, paFramesPerBufferUnspecified, paNoFlag,
                          OutputCallback, nullptr) == paNoError) {
            outputRate = tried;
            return true;
        }
    }
    stream = nullptr;
    return false;
}

int OpenStream(PaDeviceIndex device, double rate) {
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    if (!info || info->maxOutputChannels < 1)
        return BASS_ERROR_DRIVER;
    outputChannels = std::min(2, info->maxOutputChannels);
    if (!OpenAtRate(device, *info, rate))
        return BASS_ERROR_DRIVER;
    streamLatency = Pa_GetStreamInfo(stream)->outputLatency;
    if (Pa_StartStream(stream) != paNoError) {
        Pa_CloseStream(stream);
        stream = nullptr;
        return BASS_ERROR_DRIVER;
    }
    return 0;
}

} // namespace

int OpenDefaultOutput(double rate) {
    SilenceAudioChatter();
    if (Pa_Initialize() != paNoError)
        return BASS_ERROR_DRIVER;
    // PortAudio's JACK host API installs its own handlers while it probes.
    SilenceAudioChatter();
    PaDeviceIndex device = DefaultDevice();
    int code = device == paNoDevice ? BASS_ERROR_DEVICE : OpenStream(device, rate);
    if (code != 0)
        Pa_Terminate();
    return code;
}

bool StartOutput() {
    if (!stream)
        return false;
    // Running, or cut off by a vanished device: the clocks carry on either way.
    if (Pa_IsStreamStopped(stream) != 1)
        return true;
    return Pa_StartStream(stream) == paNoError;
}

Voice* AddVoice(const PcmBuffer* pcm) {
    int index = voiceCount.load(std::memory_order_relaxed);
    if (index == kMaxVoices)
        return nullptr;
    voices[index].Attach(pcm, outputRate);
    voiceCount.store(index + 1, std::memory_order_release);
    return &voices[index];
}
