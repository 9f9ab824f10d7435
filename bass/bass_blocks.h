// Decoding an Ogg Vorbis file into memory block by block, in any order. The
// length and format come from the seekable stream's headers when it opens,
// the buffer is sized for all of it then, and each block is decoded when it
// is asked for. libvorbisfile seeks sample-exactly, so the blocks join into
// exactly what one pass over the file gives (DecodeOggVorbis); consecutive
// blocks are read on without a seek.
//
// The web build fills its streams this way: a stream is made, and moved,
// in milliseconds, and the rest is decoded a block at a time between frames,
// where a whole decode up front would hold the first frame back by half a
// second or more. A file whose pages misstate its length (two files of one
// serial number run together, say) decodes to the length they state.
// Called on the thread that makes the library calls.
#pragma once

#include "bass/bass_ogg_memory.h"
#include "bass/bass_pcm.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class BlockDecoder {
  public:
    // About 0.37 s at 44.1 kHz: about a millisecond of decoding in a browser
    // (0.8 ms in Chromium against 460 ms for the 192 s music in one pass),
    // so one per frame stays well inside a frame and far ahead of the sound.
    static constexpr int64_t kBlockFrames = 16384;

    BlockDecoder() = default;
    ~BlockDecoder();
    BlockDecoder(const BlockDecoder&) = delete;
    BlockDecoder& operator=(const BlockDecoder&) = delete;

    // Keeps a copy of the bytes and sizes `pcm` for the whole file, silent
    // until decoded; `pcm` must stay where it is. A file that is not one
    // seekable stream of its headers' length (HoldsItsLength) is decoded
    // whole here instead, as DecodeOggVorbis does. Returns 0, or
    // BASS_ERROR_FILEFORM when the bytes do not begin with Vorbis headers.
    int Open(const uint8_t* data, size_t size, PcmBuffer& pcm);
    // Decodes the blocks holding frames [from, to) that are not decoded yet.
    void Decode(int64_t from, int64_t to);
    // Decodes one block: the first one not decoded yet from the one holding
    // `frame` to the end, else from the start. False when all are decoded.
    bool DecodeNext(int64_t frame);
    // The end of the decoded frames that run on from `frame`: `frame` itself
    // where its block is not decoded yet, the length where all to the end are.
    int64_t DecodedEnd(int64_t frame) const;

  private:
    int64_t BlockCount() const;
    void DecodeBlock(int64_t block);

    std::vector<uint8_t> bytes;
    MemoryReader reader{};
    OggVorbis_File vf{};
    bool open = false;
    PcmBuffer* pcm = nullptr;
    std::vector<bool> decoded; // one per block
    int64_t undecoded = 0;
};
