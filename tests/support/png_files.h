// PNG files for the texture tests, written by the tests themselves.
#pragma once

#include <string>
#include <vector>

// Pixels top row first, `channels` bytes each; returns the file's path.
std::string WritePng(const std::string& name, int width, int height, int channels,
                     const std::vector<unsigned char>& pixels);

// The bytes of a valid 1 x 1 PNG whose header then claims another size.
std::string PngClaimingSize(unsigned width, unsigned height);
