#include "bass/bass_prefetch.h"

#include "bass/bass_decode.h"

#include <string>
#include <thread>
#include <utility>

namespace {

struct Prefetch {
    std::string path;
    std::vector<uint8_t> bytes;
    PcmBuffer pcm;
    int code = 0;
    bool read = false;
    std::thread worker;

    void Finish() {
        if (worker.joinable())
            worker.join();
    }
    // A process that ends before taking the decode waits for the thread.
    ~Prefetch() { Finish(); }
};

Prefetch prefetch;

void Decode(Prefetch* job) {
    job->read = ReadFileBytes(job->path.c_str(), 0, 0, job->bytes) == 0;
    if (job->read)
        job->code = DecodeOggVorbisSideBySide(job->bytes.data(), job->bytes.size(), job->pcm);
}

} // namespace

void StartPrefetch(const char* path) {
    prefetch.Finish();
    prefetch.path = path;
    prefetch.bytes.clear();
    prefetch.pcm = PcmBuffer();
    prefetch.read = false;
    prefetch.worker = std::thread(Decode, &prefetch);
}

bool TakePrefetch(const char* path, const std::vector<uint8_t>& bytes, PcmBuffer& pcm, int& code) {
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
