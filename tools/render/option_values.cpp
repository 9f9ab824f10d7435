#include "tools/render/option_values.h"

#include "app/command_line.h"

#include <cstdlib>
#include <limits>

bool ParseTime(const std::string& text, double& seconds) {
    return ParseFraction(text, 0.0, std::numeric_limits<double>::max(), seconds);
}

bool ParseInt(const std::string& text, int low, int high, int& value) {
    if (text.empty() || text[0] == '+' || text[0] == '-')
        return false;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || parsed < low || parsed > high)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseFraction(const std::string& text, double low, double high, double& value) {
    if (text.empty())
        return false;
    char* end = nullptr;
    double parsed = std::strtod(text.c_str(), &end);
    if (*end != '\0' || !(parsed >= low && parsed <= high))
        return false;
    value = parsed;
    return true;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    return ParseSize(text.c_str(), kMinSide, kMaxSide, width, height);
}
