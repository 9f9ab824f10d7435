// VideoPipe: an ffmpeg process that takes raw RGB frames on its standard
// input, encodes them with the chosen codec and muxes in the music of the
// same stretch, so picture and sound start together and last equally long,
// and the chapters of the stretch.
// Frames are written straight into the pipe: nothing is allocated per
// frame. ffmpeg's own output goes to our stderr, never to our stdout.
#pragma once

#include "platform/piped_process.h"
#include "tools/render/video_codec.h"

#include <cstddef>
#include <string>
#include <vector>

struct VideoSettings {
    std::string path;         // the video to write (replaced if it exists)
    std::string musicPath;    // the production's music file; empty: video only
    std::string chaptersPath; // an ffmpeg metadata file; empty: no chapters
    VideoCodec codec = VideoCodec::H264;
    int crf = -1;       // negative: the codec's default
    std::string preset; // empty: the codec's default
    int width = 0;
    int height = 0;
    int fps = 30;
    double from = 0.0;               // music time of the first frame
    double seconds = 0.0;            // frames / fps: how much music to mux
    std::string encoder = "libx264"; // or "h264_nvenc", an NVIDIA GPU's
};

// ffmpeg's arguments for these settings, program name first.
std::vector<std::string> FfmpegArguments(const VideoSettings& settings);

class VideoPipe {
  public:
    // Starts ffmpeg; false (with a message on stderr) when it cannot.
    bool Open(const VideoSettings& settings);
    // False when ffmpeg has stopped reading (it has said why on stderr).
    bool Write(const unsigned char* frame, size_t bytes);
    // The pipe's end to write frames into, for a writer of its own; -1 when
    // not open.
    int Fd() const { return ffmpeg.Fd(); }
    // Closes the pipe and waits for ffmpeg; true when it finished cleanly.
    bool Close();

  private:
    PipedProcess ffmpeg;
};
