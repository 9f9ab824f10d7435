#include "platform/audio_quiet.h"

// Elsewhere PortAudio's back ends print nothing of their own.
void SilenceAudioChatter() {}
