#include "tests/audio/fake_bass.h"

#include "audio/music.h"

#include <cstdio>

FakeScript fakeScript;
std::vector<std::string> fakeCalls;
const void* fakeSpectrum = nullptr;

namespace {

int lastCode = 0;

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Pointer(const void* p) {
    return p ? "ptr" : "null";
}

void Record(const std::string& name, const std::string& args, const std::string& codeKey = "") {
    fakeCalls.push_back(name + "(" + args + ")");
    auto code = fakeScript.codes.find(codeKey.empty() ? name : codeKey);
    lastCode = code == fakeScript.codes.end() ? 0 : code->second;
}

} // namespace

void ResetFake() {
    fakeScript = FakeScript();
    fakeCalls.clear();
    lastCode = 0;
}

extern "C" {

DWORD BASS_GetVersion() {
    Record("BASS_GetVersion", "");
    return fakeScript.version;
}

BOOL BASS_Init(int device, DWORD freq, DWORD flags, void* win, const void* dsguid) {
    Record("BASS_Init",
           Number(device) + ", " + Number(freq) + ", " + Number(flags) + ", " + Pointer(win) +
               ", " + Pointer(dsguid),
           "BASS_Init(" + Number(device) + ")");
    return device == -1 ? fakeScript.initDefault : fakeScript.initNoSound;
}

BOOL BASS_Start() {
    Record("BASS_Start", "");
    return fakeScript.start;
}

HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags) {
    Record("BASS_StreamCreateFile", Number(mem) + ", " + static_cast<const char*>(file) + ", " +
                                        Number(double(offset)) + ", " + Number(double(length)) +
                                        ", " + Number(flags));
    return fakeScript.stream;
}

QWORD BASS_ChannelGetLength(DWORD handle, DWORD mode) {
    Record("BASS_ChannelGetLength", Number(handle) + ", " + Number(mode));
    return fakeScript.lengthBytes;
}

double BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos) {
    Record("BASS_ChannelBytes2Seconds", Number(handle) + ", " + Number(double(pos)));
    return double(pos) / fakeScript.bytesPerSecond;
}

QWORD BASS_ChannelSeconds2Bytes(DWORD handle, double pos) {
    Record("BASS_ChannelSeconds2Bytes", Number(handle) + ", " + Number(pos));
    return pos > 0 ? QWORD(pos * fakeScript.bytesPerSecond) : 0;
}

QWORD BASS_ChannelGetPosition(DWORD handle, DWORD mode) {
    Record("BASS_ChannelGetPosition", Number(handle) + ", " + Number(mode));
    return fakeScript.positionBytes;
}

BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode) {
    Record("BASS_ChannelSetPosition",
           Number(handle) + ", " + Number(double(pos)) + ", " + Number(mode));
    return FALSE;
}

BOOL BASS_ChannelPlay(DWORD handle, BOOL restart) {
    Record("BASS_ChannelPlay", Number(handle) + ", " + Number(restart));
    return FALSE;
}

BOOL BASS_ChannelStop(DWORD handle) {
    Record("BASS_ChannelStop", Number(handle));
    return FALSE;
}

DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length) {
    std::string target = buffer && buffer == fakeSpectrum ? "spectrum" : Pointer(buffer);
    Record("BASS_ChannelGetData", Number(handle) + ", " + target + ", " + Number(length));
    return DWORD(-1);
}

int BASS_ErrorGetCode() {
    fakeCalls.push_back("BASS_ErrorGetCode()");
    return lastCode;
}

} // extern "C"
