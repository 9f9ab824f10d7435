// Files for the audio library's tests, made in a temporary folder that is
// removed again: generated Ogg Vorbis streams and damaged copies of them.
#pragma once

#include "tools/signal/ogg_writer.h"

#include <cstdint>
#include <string>
#include <vector>

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return dir + "/" + name; }

  private:
    std::string dir;
};

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// A sine at 440 Hz, amplitude 0.5; returns its header size as WriteOgg does.
size_t WriteTone(const std::string& path, long rate, int channels, int64_t frames);
// A sine under white noise: it compresses poorly, so its body spans many pages.
size_t WriteNoisyTone(const std::string& path, int64_t frames);
