// The call layer: the thirteen calls, the last error code, the devices and the
// table of streams. Everything a call does beyond checking its arguments lives
// in the bass_*.cpp files.
#include "bass/bass.h"

#include "bass/audio_options.h"
#include "bass/bass_decode.h"
#include "bass/bass_decode_ahead.h"
#include "bass/bass_library.h"
#include "bass/bass_output.h"
#include "bass/bass_prefetch.h"
#include "bass/bass_spectrum.h"
#include "bass/bass_stream.h"

#include <cmath>
#include <vector>

namespace {

constexpr DWORD kVersion = 0x02040000;
// Handles are the table index plus this, so small numbers are never valid.
constexpr DWORD kHandleBase = 0x5a460001;
// Keeps a time that is a whole number of frames from rounding down to the
// frame before it through the error of seconds × rate.
constexpr double kFrameEpsilon = 1e-6;
// Far beyond any stream decoded into memory; positions clamp to the end anyway.
constexpr double kMaxFrames = 1e15;

template <typename T> T Fail(int code, T result) {
    bass.calls.lastError = code;
    return result;
}

template <typename T> T Succeed(T result) {
    bass.calls.lastError = BASS_OK;
    return result;
}

Stream* Find(DWORD handle) {
    DWORD index = handle - kHandleBase;
    return index < DWORD(bass.calls.streamCount) ? bass.calls.streams[index] : nullptr;
}

bool AnyDeviceReady() {
    return bass.calls.noSoundReady || bass.calls.outputReady;
}

BOOL InitNoSound() {
    if (bass.calls.noSoundReady)
        return Fail(BASS_ERROR_ALREADY, FALSE);
    bass.calls.noSoundReady = true;
    bass.calls.currentDevice = 0;
    return Succeed(TRUE);
}

BOOL InitOutput(DWORD freq) {
    if (bass.calls.forceNoSound)
        return Fail(BASS_ERROR_DEVICE, FALSE);
    if (bass.calls.outputReady)
        return Fail(BASS_ERROR_ALREADY, FALSE);
    int code = OpenDefaultOutput(freq ? double(freq) : 44100.0);
    if (code != BASS_OK)
        return Fail(code, FALSE);
    bass.calls.outputReady = true;
    bass.calls.currentDevice = -1;
    return Succeed(TRUE);
}

// Fills the stream's sound from the bytes the call names; returns an error
// code.
int LoadPcm(BOOL mem, const void* file, QWORD offset, QWORD length, Stream& stream) {
    if (mem) {
        if (length == 0)
            return BASS_ERROR_ILLPARAM;
        return FillStream(stream, static_cast<const uint8_t*>(file) + offset, size_t(length));
    }
    const char* path = static_cast<const char*>(file);
    std::vector<uint8_t> bytes;
    int code = ReadFileBytes(path, offset, length, bytes);
    if (code != BASS_OK)
        return code;
    if (offset == 0 && length == 0 && TakePrefetch(path, bytes, stream.pcm, code))
        return code;
    return FillStream(stream, bytes.data(), bytes.size());
}

} // namespace

void AudioForceNoSound(bool on) {
    bass.calls.forceNoSound = on;
}

void AudioPrefetchFile(const char* path) {
    StartPrefetch(path);
}

extern "C" {

DWORD BASS_GetVersion() {
    return kVersion;
}

BOOL BASS_Init(int device, DWORD freq, DWORD, void*, const void*) {
    if (!PrepareSpectrum())
        return Fail(BASS_ERROR_MEM, FALSE);
    if (device == 0)
        return InitNoSound();
    if (device == -1)
        return InitOutput(freq);
    return Fail(BASS_ERROR_DEVICE, FALSE);
}

BOOL BASS_Start() {
    if (!AnyDeviceReady())
        return Fail(BASS_ERROR_INIT, FALSE);
    if (bass.calls.currentDevice == -1 && !StartOutput())
        return Fail(BASS_ERROR_DRIVER, FALSE);
    return Succeed(TRUE);
}

HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD) {
    BassLibrary::Calls& calls = bass.calls;
    if (!AnyDeviceReady())
        return Fail(BASS_ERROR_INIT, HSTREAM(0));
    if (!file)
        return Fail(BASS_ERROR_ILLPARAM, HSTREAM(0));
    if (calls.streamCount == BassLibrary::Calls::kMaxStreams)
        return Fail(BASS_ERROR_NOCHAN, HSTREAM(0));
    Stream* stream = new Stream();
    int code = LoadPcm(mem, file, offset, length, *stream);
    Voice* voice = code == BASS_OK && calls.currentDevice == -1 ? AddVoice(&stream->pcm) : nullptr;
    if (code == BASS_OK && calls.currentDevice == -1 && !voice)
        code = BASS_ERROR_NOCHAN;
    if (code != BASS_OK) {
        delete stream;
        return Fail(code, HSTREAM(0));
    }
    stream->Open(voice);
    calls.streams[calls.streamCount] = stream;
    return Succeed(HSTREAM(kHandleBase + DWORD(calls.streamCount++)));
}

QWORD BASS_ChannelGetLength(DWORD handle, DWORD mode) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, QWORD(-1));
    if (mode != BASS_POS_BYTE)
        return Fail(BASS_ERROR_ILLTYPE, QWORD(-1));
    return Succeed(QWORD(stream->pcm.frames) * QWORD(stream->pcm.FrameBytes()));
}

double BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, -1.0);
    const PcmBuffer& pcm = stream->pcm;
    return Succeed(double(pos) / (double(pcm.rate) * pcm.FrameBytes()));
}

QWORD BASS_ChannelSeconds2Bytes(DWORD handle, double pos) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, QWORD(-1));
    const PcmBuffer& pcm = stream->pcm;
    double frames = pos > 0.0 ? std::floor(pos * double(pcm.rate) + kFrameEpsilon) : 0.0;
    frames = std::fmin(frames, kMaxFrames);
    return Succeed(QWORD(frames) * QWORD(pcm.FrameBytes()));
}

QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, QWORD(-1));
    if (mode != BASS_POS_BYTE)
        return Fail(BASS_ERROR_ILLTYPE, QWORD(-1));
    return Succeed(QWORD(stream->Frame()) * QWORD(stream->pcm.FrameBytes()));
}

BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, FALSE);
    if (mode != BASS_POS_BYTE)
        return Fail(BASS_ERROR_ILLTYPE, FALSE);
    QWORD frame = pos / QWORD(stream->pcm.FrameBytes());
    stream->MoveTo(frame > QWORD(stream->pcm.frames) ? stream->pcm.frames : int64_t(frame));
    return Succeed(TRUE);
}

BOOL BASS_ChannelPlay(DWORD handle, BOOL restart) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, FALSE);
    if (restart)
        stream->MoveTo(0);
    stream->Play();
    return Succeed(TRUE);
}

BOOL BASS_ChannelStop(DWORD handle) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, FALSE);
    stream->Stop();
    return Succeed(TRUE);
}

DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length) {
    Stream* stream = Find(handle);
    if (!stream)
        return Fail(BASS_ERROR_HANDLE, DWORD(-1));
    if (!buffer)
        return Fail(BASS_ERROR_ILLPARAM, DWORD(-1));
    if (length != BASS_DATA_FFT256)
        return Fail(BASS_ERROR_NOTAVAIL, DWORD(-1));
    const int64_t frame = stream->Frame();
    stream->Decode(frame - kSpectrumFrames, frame);
    ComputeSpectrum(stream->pcm, frame, static_cast<float*>(buffer));
    return Succeed(DWORD(kSpectrumBins * sizeof(float)));
}

int BASS_ErrorGetCode() {
    return bass.calls.lastError;
}

} // extern "C"
