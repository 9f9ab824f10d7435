#include "font_set.h"

#include <cstdio>
#include <utility>

bool LoadFontSet(FontSet& fonts, const std::string& fontDir) {
    const std::pair<Font*, const char*> faces[] = {
        {&fonts.sans, "DejaVuSans.ttf"},
        {&fonts.sansBold, "DejaVuSans-Bold.ttf"},
        {&fonts.sansLight, "DejaVuSans-ExtraLight.ttf"},
        {&fonts.condensedBold, "DejaVuSansCondensed-Bold.ttf"},
        {&fonts.serif, "DejaVuSerif.ttf"},
        {&fonts.serifBold, "DejaVuSerif-Bold.ttf"},
        {&fonts.serifBoldItalic, "DejaVuSerif-BoldItalic.ttf"},
        {&fonts.monoBold, "DejaVuSansMono-Bold.ttf"},
    };
    for (const auto& [font, file] : faces) {
        std::string path = fontDir + "/" + file;
        if (!font->Load(path)) {
            std::fprintf(stderr, "cannot load font %s\n", path.c_str());
            return false;
        }
    }
    return true;
}
