#include "bass/bass_library.h"

BassLibrary& bass = *new BassLibrary();
