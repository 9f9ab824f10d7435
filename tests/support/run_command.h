// Runs a program to completion with its standard output and error captured,
// for the tests that drive zentrafel-render and ffprobe from outside.
#pragma once

#include <string>
#include <vector>

struct CommandResult {
    int status = -1; // exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// `arguments[0]` is looked up on PATH unless it holds a slash. `directory`:
// the working directory of the child (empty: ours).
CommandResult RunCommand(const std::vector<std::string>& arguments,
                         const std::string& directory = "");

// A fresh empty directory under the system's temporary folder.
std::string MakeTempDir();
std::string ReadFile(const std::string& path);
