#include "bass/bass_prefetch.h"

#include "bass/bass_decode.h"
#include "bass/bass_library.h"

#include <cstdlib>
#include <utility>

namespace {

void Decode(BassLibrary::Prefetch* job) {
    job->read = ReadFileBytes(job->path.c_str(), 0, 0, job->bytes) == 0;
    if (job->read)
        job->code = DecodeOggVorbisSideBySide(job->bytes.data(), job->bytes.size(), job->pcm);
}

// A process that ends before taking a decode ahead waits for its thread.
void JoinAtExit() {
    static const bool registered = std::atexit([] { bass.prefetch.Finish(); }) == 0;
    (void)registered;
}

} // namespace

void StartPrefetch(const char* path) {
    BassLibrary::Prefetch& prefetch = bass.prefetch;
    JoinAtExit();
    prefetch.Finish();
    prefetch.path = path;
    prefetch.bytes.clear();
    prefetch.pcm = PcmBuffer();
    prefetch.read = false;
    prefetch.worker = std::thread(Decode, &prefetch);
}

bool TakePrefetch(const char* path, const std::vector<uint8_t>& bytes, PcmBuffer& pcm, int& code) {
    BassLibrary::Prefetch& prefetch = bass.prefetch;
    if (prefetch.path.empty() || prefetch.path != path)
        return false;
    prefetch.Finish();
    const bool same = prefetch.read && prefetch.bytes == bytes;
    if (same) {
        pcm = std::move(prefetch.pcm);
        code = prefetch.code;
    }
    prefetch.path.clear();
    prefetch.bytes = std::vector<uint8_t>();
    prefetch.pcm = PcmBuffer();
    return same;
}
