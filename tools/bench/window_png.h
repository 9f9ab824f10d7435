// Writes the window's current picture (the viewport's lower-left w × h) to a PNG.
#pragma once

#include <string>

bool WriteWindowPng(const std::string& path, int width, int height);
