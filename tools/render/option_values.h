// Parsers of the values the renderer's switches take. Each returns false for
// text that is not entirely a value in its range.
#pragma once

#include <string>

// The sides --size accepts: below 16 the 16:9 letterbox collapses to nothing;
// Mesa's software rasteriser tops out at 16384, and memory long before that.
constexpr int kMinSide = 16;
constexpr int kMaxSide = 8192;

// Seconds, finite and not negative.
bool ParseTime(const std::string& text, double& seconds);
// A whole number in [low, high], without a sign.
bool ParseInt(const std::string& text, int low, int high, int& value);
// A decimal number in [low, high].
bool ParseFraction(const std::string& text, double low, double high, double& value);
// "WIDTHxHEIGHT", each side in [kMinSide, kMaxSide].
bool ParseSize(const std::string& text, int& width, int& height);
