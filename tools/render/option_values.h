// Parsers of the values the renderer's switches take. Each returns false for
// text that is not entirely a value in its range.
#pragma once

#include <string>

// Seconds, finite and not negative.
bool ParseTime(const std::string& text, double& seconds);
// A whole number in [low, high], without a sign.
bool ParseInt(const std::string& text, int low, int high, int& value);
// A decimal number in [low, high].
bool ParseFraction(const std::string& text, double low, double high, double& value);
