// The sound libraries' own chatter: ALSA and JACK print to stderr while
// PortAudio probes devices ("Unknown PCM cards.pcm.rear", "Cannot connect to
// server socket"...). Those lines mean nothing to a viewer, and a missing
// device is already reported through the error code, so they are silenced.
#pragma once

// Installs silent error and info handlers in ALSA and JACK. Idempotent.
void SilenceAudioChatter();
