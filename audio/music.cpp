#include "audio/music.h"

#include "bass/bass.h"

#include <cstdio>

namespace {

// Indexed by error code; codes without a text are null and read as "".
const char* const errorTexts[] = {
    nullptr,
    "memory error",
    "can't open the file",
    "can't find a free/valid driver",
    "the sample buffer was lost",
    "invalid handle",
    "unsupported sample format",
    "invalid position",
    "BASS_Init has not been successfully called",
    "BASS_Start has not been successfully called",
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    "already initialized/paused/whatever",
    nullptr,
    nullptr,
    nullptr,
    "can't get a free channel",
    "an illegal type was specified",
    "an illegal parameter was specified",
    "no 3D support",
    "no EAX support",
    "illegal device number",
    "not playing",
    "illegal sample rate",
    nullptr,
    "the stream is not a file stream",
    nullptr,
    "no hardware voices available",
    nullptr,
    "the MOD music has no sequence data",
    "no internet connection could be opened",
    "couldn't create the file",
    "effects are not available",
    nullptr,
    nullptr,
    "requested data is not available",
    "the channel is a \"decoding channel\"",
    "a sufficient DirectX version is not installed",
    "connection timedout",
    "unsupported file format",
    "unavailable speaker",
    "invalid BASS version (used by add-ons)",
    "codec is not available/supported",
    "the channel/file has ended",
};
constexpr int kErrorTextCount = sizeof errorTexts / sizeof errorTexts[0];

// Messages go out exactly as written, without a line end. Printed through
// "%s" so that no text can ever be read as a format.
bool Report(const char* text) {
    std::printf("%s", text);
    return false;
}

} // namespace

bool Music::Load(const char* path) {
    if ((BASS_GetVersion() >> 16) != BASSVERSION)
        return Report("BASS_GetVersion Error");
    // The default output, else the no-sound device: the music plays silently
    // on a machine without a sound card.
    if (!BASS_Init(-1, 44100, 0, nullptr, nullptr) && !BASS_Init(0, 44100, 0, nullptr, nullptr))
        return Report(ErrorText());
    if (!BASS_Start())
        return Report(ErrorText());
    stream = BASS_StreamCreateFile(FALSE, path, 0, 0, 0);
    if (stream == 0)
        return Report(ErrorText());
    length = BASS_ChannelBytes2Seconds(stream, BASS_ChannelGetLength(stream, BASS_POS_BYTE));
    return ErrorText()[0] == '\0';
}

const char* Music::ErrorText() {
    int code = BASS_ErrorGetCode();
    if (code == BASS_ERROR_UNKNOWN)
        return "some other mystery problem";
    if (code < 0 || code >= kErrorTextCount || !errorTexts[code])
        return "";
    return errorTexts[code];
}

double Music::Position() {
    return BASS_ChannelBytes2Seconds(stream, BASS_ChannelGetPosition(stream, BASS_POS_BYTE));
}

void Music::Play() {
    BASS_ChannelPlay(stream, FALSE);
}

void Music::Stop() {
    BASS_ChannelStop(stream);
}

void Music::SeekBy(double offset) {
    double target = Position() + offset;
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, target), BASS_POS_BYTE);
}

void Music::SetPosition(double seconds) {
    BASS_ChannelSetPosition(stream, BASS_ChannelSeconds2Bytes(stream, seconds), BASS_POS_BYTE);
}

void Music::ReadSpectrum() {
    BASS_ChannelGetData(stream, spectrum, BASS_DATA_FFT256);
}
