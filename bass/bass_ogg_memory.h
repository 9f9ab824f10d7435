// libvorbisfile over Ogg Vorbis bytes held in memory: the read cursor its
// callbacks move, and the checks the decoders share. Called on the thread
// that decodes.
#pragma once

#include <vorbis/vorbisfile.h>

#include <cstddef>
#include <cstdint>

// A read cursor over the file's bytes, for libvorbisfile's callbacks.
struct MemoryReader {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

// Opens `vf` on the reader's bytes; false when they do not begin with complete
// Vorbis headers. A `vf` opened is freed with ov_clear.
bool OpenOggVorbis(MemoryReader& reader, OggVorbis_File& vf);

// Whether the file is one seekable stream whose headers' length is what it
// holds: the length decodes to its last frame and nothing after it. Moves the
// decoder's position.
bool HoldsItsLength(OggVorbis_File& vf);
