#include "bass/bass_output.h"

#include "bass/bass.h"
#include "bass/bass_library.h"
#include "platform/audio_quiet.h"

#include <portaudio.h>

#include <algorithm>

namespace {

// The delay until the buffer reaches the converter, as PortAudio reports it;
// the stream's nominal latency where a host API leaves the times empty.
double BufferDelay(const PaStreamCallbackTimeInfo* time) {
    double delay = time->outputBufferDacTime - time->currentTime;
    return delay > 0.0 && delay < 1.0 ? delay : bass.output.latency;
}

int OutputCallback(const void*, void* buffer, unsigned long frames,
                   const PaStreamCallbackTimeInfo* time, PaStreamCallbackFlags, void*) {
    BassLibrary::Output& output = bass.output;
    float* out = static_cast<float*>(buffer);
    std::fill(out, out + frames * output.channels, 0.0f);
    double dacTime = SteadySeconds() + BufferDelay(time);
    int count = output.voiceCount.load(std::memory_order_acquire);
    for (int i = 0; i < count; ++i)
        output.voices[i].Render(out, frames, output.channels, dacTime);
    for (unsigned long i = 0; i < frames * output.channels; ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
    return paContinue;
}

// The host APIs preferred to PortAudio's default one (ALSA on Linux, MME on
// Windows), in order: a JACK server where one runs; on Windows WASAPI, then
// DirectSound, whose clocks are finer than MME's. Hosts not built in are
// skipped.
PaDeviceIndex PreferredDevice() {
    for (PaHostApiTypeId type : {paJACK, paWASAPI, paDirectSound}) {
        PaHostApiIndex index = Pa_HostApiTypeIdToHostApiIndex(type);
        const PaHostApiInfo* api = index >= 0 ? Pa_GetHostApiInfo(index) : nullptr;
        if (api && api->defaultOutputDevice != paNoDevice)
            return api->defaultOutputDevice;
    }
    return Pa_GetDefaultOutputDevice();
}

// A JACK server runs at its own rate only: where the requested rate will not
// open, the device's own rate is tried, and the voices convert to it.
bool OpenAtRate(PaDeviceIndex device, const PaDeviceInfo& info, double rate) {
    BassLibrary::Output& output = bass.output;
    PaStreamParameters params{device, output.channels, paFloat32, info.defaultHighOutputLatency,
                              nullptr};
    for (double tried : {rate, info.defaultSampleRate}) {
        if (Pa_OpenStream(&output.stream, nullptr, &params, tried, paFramesPerBufferUnspecified,
                          paNoFlag, OutputCallback, nullptr) == paNoError) {
            output.rate = tried;
            return true;
        }
    }
    output.stream = nullptr;
    return false;
}

int OpenStream(PaDeviceIndex device, double rate) {
    BassLibrary::Output& output = bass.output;
    const PaDeviceInfo* info = Pa_GetDeviceInfo(device);
    if (!info || info->maxOutputChannels < 1)
        return BASS_ERROR_DRIVER;
    output.channels = std::min(2, info->maxOutputChannels);
    if (!OpenAtRate(device, *info, rate))
        return BASS_ERROR_DRIVER;
    output.latency = Pa_GetStreamInfo(output.stream)->outputLatency;
    if (Pa_StartStream(output.stream) != paNoError) {
        Pa_CloseStream(output.stream);
        output.stream = nullptr;
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
    PaDeviceIndex device = PreferredDevice();
    int code = device == paNoDevice ? BASS_ERROR_DEVICE : OpenStream(device, rate);
    // A preferred host that will not open leaves the default one.
    const PaDeviceIndex fallback = Pa_GetDefaultOutputDevice();
    if (code == BASS_ERROR_DRIVER && fallback != paNoDevice && fallback != device)
        code = OpenStream(fallback, rate);
    if (code != 0)
        Pa_Terminate();
    return code;
}

bool StartOutput() {
    BassLibrary::Output& output = bass.output;
    if (!output.stream)
        return false;
    // Running, or cut off by a vanished device: the clocks carry on either way.
    if (Pa_IsStreamStopped(output.stream) != 1)
        return true;
    return Pa_StartStream(output.stream) == paNoError;
}

Voice* AddVoice(const PcmBuffer* pcm) {
    BassLibrary::Output& output = bass.output;
    int index = output.voiceCount.load(std::memory_order_relaxed);
    if (index == BassLibrary::Output::kMaxVoices)
        return nullptr;
    output.voices[index].Attach(pcm, output.rate);
    output.voiceCount.store(index + 1, std::memory_order_release);
    return &output.voices[index];
}
