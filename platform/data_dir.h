// Where the production's data lies when it is not started from its own folder.
//
// The program reads "./resource/" relative to its working directory. An
// installed copy keeps that folder in <prefix>/share/zentrafel, and a copy
// unpacked anywhere keeps it beside the executable; started from a desktop
// menu or any other folder, the program first moves its working directory to
// whichever of those holds resource/. Called once, on the main thread, before
// anything is loaded.
#pragma once

#include <string>
#include <vector>

// The folders that may hold resource/ for the executable at `executablePath`,
// in the order they are tried: the installed data folder (its path relative
// to the executable's folder is fixed when the program is built), then the
// executable's own folder. Empty for an empty path.
std::vector<std::string> DataDirectoryCandidates(const std::string& executablePath);

// True without doing anything when ./resource/ exists. Otherwise moves the
// working directory to the first candidate that holds resource/ and returns
// true; false, with the working directory unchanged, when none does.
bool ChangeToDataDirectory(const std::string& executablePath);

// The same for the running program, found through /proc/self/exe; where the
// system cannot say, only ./resource/ counts.
bool ChangeToDataDirectory();

// The running program's absolute path; empty where the system cannot say.
std::string RunningExecutablePath();
