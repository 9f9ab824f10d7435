// Pictures as the renderer's tests read them back: PNG files and raw frames
// decoded by ffmpeg, as packed RGB, top row first.
#pragma once

#include <string>
#include <vector>

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char* At(int x, int y) const { return &rgb[(y * width + x) * 3]; }
    bool RowIsBlack(int y) const;
    int LitPixels() const;
};

// An empty picture when the file cannot be read.
Picture LoadPng(const std::string& path);
// Frame `index` of a video, decoded by ffmpeg to rgb24; empty when missing.
Picture DecodeVideoFrame(const std::string& video, int index, int width, int height);
