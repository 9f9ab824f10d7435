// The composition: every note of the piece, section by section.
#pragma once

#include "note.h"

// The whole piece, notes in no particular order.
Score ComposeScore();
