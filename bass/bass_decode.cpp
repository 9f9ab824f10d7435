#include "bass/bass_decode.h"

#include "bass/bass.h"
#include "bass/bass_ogg_memory.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

// ov_read writes samples in the byte order we ask for: the host's.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
constexpr int kBigEndian = 1;
#else
constexpr int kBigEndian = 0;
#endif

// A header claiming a huge length must not make us reserve gigabytes: reserve
// at most what a generous compression ratio allows and let the rest grow.
size_t ReserveFor(OggVorbis_File& vf, size_t fileSize, int channels) {
    ogg_int64_t total = ov_pcm_total(&vf, -1);
    size_t claimed = total > 0 ? size_t(total) * size_t(channels) : 0;
    return std::min(claimed, fileSize * 64);
}

bool SameFormat(OggVorbis_File& vf, const PcmBuffer& out) {
    vorbis_info* info = ov_info(&vf, -1);
    return info && info->channels == out.channels && info->rate == out.rate;
}

void DecodeBody(OggVorbis_File& vf, PcmBuffer& out) {
    char chunk[8192];
    int section = 0;
    for (;;) {
        long got = ov_read(&vf, chunk, sizeof chunk, kBigEndian, 2, 1, &section);
        if (got == OV_HOLE)
            continue; // a gap in the pages: keep what follows
        if (got <= 0 || !SameFormat(vf, out))
            break;
        const int16_t* values = reinterpret_cast<const int16_t*>(chunk);
        out.samples.insert(out.samples.end(), values, values + got / 2);
    }
    out.frames = int64_t(out.samples.size() / size_t(out.channels));
    out.samples.resize(size_t(out.frames) * size_t(out.channels));
}

// Frames [from, to) of a file already known to hold exactly `to` frames, or
// false on any hole, error or early end on the way.
bool DecodeRange(const uint8_t* data, size_t size, int64_t from, int64_t to, int channels,
                 std::vector<int16_t>& out) {
    MemoryReader reader{data, size, 0};
    OggVorbis_File vf;
    if (!OpenOggVorbis(reader, vf))
        return false;
    const size_t wanted = size_t(to - from) * size_t(channels);
    out.reserve(out.size() + wanted);
    const size_t end = out.size() + wanted;
    bool ok = from == 0 || ov_pcm_seek(&vf, from) == 0;
    char chunk[8192];
    int section = 0;
    while (ok && out.size() < end) {
        long got = ov_read(&vf, chunk, sizeof chunk, kBigEndian, 2, 1, &section);
        ok = got > 0;
        if (ok) {
            const int16_t* values = reinterpret_cast<const int16_t*>(chunk);
            out.insert(out.end(), values, values + std::min(size_t(got / 2), end - out.size()));
        }
    }
    ov_clear(&vf);
    return ok;
}

// Whether the file is one seekable stream of more than ten seconds whose
// headers' length is what it holds (HoldsItsLength). Fills in everything but
// the samples.
bool PlainAndLong(const uint8_t* data, size_t size, PcmBuffer& out) {
    MemoryReader reader{data, size, 0};
    OggVorbis_File vf;
    if (!OpenOggVorbis(reader, vf))
        return false;
    const int64_t total = ov_pcm_total(&vf, -1);
    out.frames = total;
    out.channels = ov_info(&vf, -1)->channels;
    out.rate = ov_info(&vf, -1)->rate;
    const bool plain = total > 10 * int64_t(out.rate) && HoldsItsLength(vf);
    ov_clear(&vf);
    return plain;
}

} // namespace

int ReadFileBytes(const char* path, uint64_t offset, uint64_t length, std::vector<uint8_t>& out) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return BASS_ERROR_FILEOPEN;
    out.clear();
    bool ok = std::fseek(file, long(offset), SEEK_SET) == 0;
    uint8_t block[65536];
    while (ok && (length == 0 || out.size() < length)) {
        size_t want = length ? std::min<uint64_t>(sizeof block, length - out.size()) : sizeof block;
        size_t got = std::fread(block, 1, want, file);
        out.insert(out.end(), block, block + got);
        if (got < want) {
            ok = !std::ferror(file);
            break;
        }
    }
    std::fclose(file);
    return ok ? 0 : BASS_ERROR_FILEOPEN;
}

int DecodeOggVorbis(const uint8_t* data, size_t size, PcmBuffer& out) {
    MemoryReader reader{data, size, 0};
    OggVorbis_File vf;
    if (!OpenOggVorbis(reader, vf))
        return BASS_ERROR_FILEFORM;
    vorbis_info* info = ov_info(&vf, -1);
    out.channels = info->channels;
    out.rate = info->rate;
    out.samples.clear();
    out.samples.reserve(ReserveFor(vf, size, out.channels));
    DecodeBody(vf, out);
    ov_clear(&vf);
    return 0;
}

int DecodeOggVorbisSideBySide(const uint8_t* data, size_t size, PcmBuffer& out) {
    if (!PlainAndLong(data, size, out))
        return DecodeOggVorbis(data, size, out);
    const int64_t half = out.frames / 2;
    std::vector<int16_t> secondHalf;
    bool secondOk = false;
    std::thread second(
        [&] { secondOk = DecodeRange(data, size, half, out.frames, out.channels, secondHalf); });
    out.samples.clear();
    out.samples.reserve(size_t(out.frames) * size_t(out.channels));
    const bool firstOk = DecodeRange(data, size, 0, half, out.channels, out.samples);
    second.join();
    if (!firstOk || !secondOk)
        return DecodeOggVorbis(data, size, out);
    out.samples.insert(out.samples.end(), secondHalf.begin(), secondHalf.end());
    return 0;
}

bool DecodesSideBySide(const uint8_t* data, size_t size) {
    PcmBuffer layout;
    return PlainAndLong(data, size, layout);
}
