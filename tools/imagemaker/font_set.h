// The faces the images are set in, all from the Debian package fonts-dejavu-core.
#pragma once

#include <string>

#include "font.h"

struct FontSet {
    Font sans, sansBold, sansLight, condensedBold, serif, serifBold, serifBoldItalic, monoBold;
};

// Loads every face from fontDir; false (with a message naming the file)
// when one is missing.
bool LoadFontSet(FontSet& fonts, const std::string& fontDir);
