#include "bass/bass_library.h"

#include <cstdlib>

namespace {

BassLibrary& MakeLibrary() {
    BassLibrary* library = new BassLibrary();
    // A process that ends before taking a decode ahead waits for its thread.
    std::atexit([] { bass.prefetch.Finish(); });
    return *library;
}

} // namespace

BassLibrary& bass = MakeLibrary();
