// Device -1 in the browser: the page's AudioContext, or one made here. It runs
// for the whole process; each voice schedules buffers of its stream on it
// between frames (bass_voice_web.h), so nothing here runs on a thread of its
// own and nothing waits.
#include "bass/bass_output.h"

#include "bass/bass.h"
#include "bass/bass_library.h"
#include "bass/bass_web_audio.h"

int OpenDefaultOutput(double rate) {
    const double contextRate = WebAudioOpen(rate);
    if (contextRate <= 0.0)
        return BASS_ERROR_DEVICE;
    bass.output.rate = contextRate;
    return 0;
}

// A context made before the page's first click stays suspended until then.
bool StartOutput() {
    WebAudioResume();
    return true;
}

Voice* AddVoice(const PcmBuffer* pcm) {
    BassLibrary::Output& output = bass.output;
    if (output.voiceCount == BassLibrary::Output::kMaxVoices)
        return nullptr;
    const int index = output.voiceCount++;
    output.voices[index].Attach(pcm, output.rate, index);
    return &output.voices[index];
}
