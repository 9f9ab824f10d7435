// The command line of zentrafel-render: which frames to draw, at what size,
// and where they go. Parsed once at start; nothing here touches GL or files.
#pragma once

#include "platform/egl_devices.h"
#include "tools/render/video_codec.h"

#include <string>
#include <vector>

enum class RenderMode { Help, Stills, Sequence, Video, ContactSheet, Bench, ListDevices };

struct RenderOptions {
    RenderMode mode = RenderMode::Help;
    int width = 1920;
    int height = 1080;
    std::vector<double> stillTimes; // --at, in the order given
    double from = 0.0;
    double to = -1.0; // negative: the end of the music
    int fps = 30;
    std::string outDir = ".";
    std::string videoPath;
    VideoCodec codec = VideoCodec::H264;
    int crf = -1;          // negative: the codec's default
    std::string preset;    // empty: the codec's default
    int motionBlur = 1;    // subframes per frame; 1: none
    double shutter = 0.5;  // the open fraction of the frame interval
    int supersample = 1;   // drawn this many times larger each way, then averaged
    std::string sheetPath; // --contact-sheet
    int sheetColumns = 6;
    int sheetCount = 24;
    std::string encoder = "libx264"; // or "h264_nvenc"
    GlDeviceChoice device;           // where the GL context is opened
    bool allPasses = false;          // --all-passes: also the passes that change no pixel
    // --segment K/N: the video holds only the K-th of N equal runs of the
    // stretch's frames, without the music. 0/0: the whole stretch.
    int segment = 0;
    int segments = 0;
};

// Fills `options` from argv. False with a one-line reason in `error` when the
// arguments are malformed, contradict each other or name no mode.
bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);

// The usage text printed with --help and after a bad argument.
const char* RenderUsage();
