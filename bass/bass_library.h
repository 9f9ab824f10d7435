// The audio library's state, all of it in one place. The thirteen calls are a
// C interface that hands out no library handle, and the sound device they
// open is one per process, so the library is process-wide by design: its
// state is the one instance `bass` below, made before main and never
// destroyed, because PortAudio's thread may still run the output callback
// while the process exits.
//
// Each part belongs to one file, and its comment says which thread touches it.
// The output and the decoding ahead differ between the desktop and the web
// build (Emscripten: Web Audio, no threads), and so does their state.
#pragma once

#include "bass/bass.h"
#include "bass/bass_pcm.h"
#include "bass/bass_spectrum.h"
#include "bass/bass_stream.h"

#include <kiss_fftr.h>

#ifdef __EMSCRIPTEN__
#include "bass/bass_voice_web.h"
#else
#include "bass/bass_voice.h"

#include <portaudio.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>
#endif

struct BassLibrary {
    // The call layer (bass.cpp): the last error code, the devices and the
    // table of streams. The thread that makes the library calls.
    struct Calls {
        static constexpr int kMaxStreams = 64;

        int lastError = BASS_OK;
        bool forceNoSound = false;
        bool noSoundReady = false;
        bool outputReady = false;
        int currentDevice = 0;
        // Never freed and never moved: the output thread reads their sound.
        Stream* streams[kMaxStreams] = {};
        int streamCount = 0;
    } calls;

    // The FFT behind BASS_DATA_FFT256 (bass_spectrum.cpp): the plan and the
    // window made once, and the buffers it computes in. The calling thread.
    struct Spectrum {
        kiss_fftr_cfg plan = nullptr;
        float window[kSpectrumFrames] = {};
        kiss_fft_scalar input[kSpectrumFrames] = {};
        kiss_fft_cpx output[kSpectrumFrames / 2 + 1] = {};
    } spectrum;

#ifdef __EMSCRIPTEN__
    // Device -1 in the browser (bass_output_web.cpp): the AudioContext's
    // rate and the voices, one per stream made on it. The calling thread (the
    // only one). Each stream's decoding ahead is its own (Stream::blocks).
    struct Output {
        static constexpr int kMaxVoices = 64;

        Voice voices[kMaxVoices];
        int voiceCount = 0;
        double rate = 0.0;
    } output;
#else
    // Device -1 (bass_output.cpp). Opened and voices attached on the calling
    // thread; once the stream runs, the output thread reads all of it.
    struct Output {
        static constexpr int kMaxVoices = 64;

        Voice voices[kMaxVoices];
        std::atomic<int> voiceCount{0};
        PaStream* stream = nullptr;
        double rate = 0.0;
        int channels = 0;
        // The stream's nominal latency, for host APIs that report no times.
        double latency = 0.0;
    } output;

    // The decode ahead (bass_prefetch.cpp): started and taken on the calling
    // thread, filled by its worker until the worker is joined.
    struct Prefetch {
        std::string path;
        std::vector<uint8_t> bytes;
        PcmBuffer pcm;
        int code = 0;
        bool read = false;
        std::thread worker;

        void Finish() {
            if (worker.joinable())
                worker.join();
        }
    } prefetch;
#endif
};

extern BassLibrary& bass;
