// zf_imagemaker: draws every image of the production into a folder.
//
//   zf_imagemaker OUTPUT_DIR [FONT_DIR]
//   zf_imagemaker --icon FILE.png [FONT_DIR]   the desktop icon only
//
// The same fonts give byte-identical files on every run.
#include <cstdio>
#include <string>

#include "images.h"
#include "resample.h"

namespace {

bool Save(const Image& image, const std::string& path) {
    if (!SavePng(image, path)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("wrote %s (%dx%d)\n", path.c_str(), image.width, image.height);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const bool icon = argc > 1 && std::string(argv[1]) == "--icon";
    if (argc < 2 + icon) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT_DIR [FONT_DIR]\n       %s --icon FILE.png [FONT_DIR]\n",
                     argv[0], argv[0]);
        return 2;
    }
    std::string out = argv[1 + icon];
    std::string fontDir = argc > 2 + icon ? argv[2 + icon] : "/usr/share/fonts/truetype/dejavu";
    FontSet fonts;
    if (!LoadFontSet(fonts, fontDir))
        return 1;
    if (icon)
        return Save(MakeIconImage(fonts), out) ? 0 : 1;

    struct Product {
        const char* file;
        Image image;
    };
    const Product products[] = {
        {"loading.png", MakeLoadingImage(fonts)},      {"zentrafel.png", MakeTitleImage(fonts)},
        {"pellumin.png", MakeCaptionImage(fonts)},     {"greetings.png", MakeGreetingsImage(fonts)},
        {"ambrelune.png", MakeAmbreluneLogo(fonts)},   {"corvattis.png", MakeCorvattisLogo(fonts)},
        {"duskweld.png", MakeDuskweldLogo(fonts)},     {"rivenhold.png", MakeRivenholdLogo(fonts)},
        {"sorrelgate.png", MakeSorrelgateLogo(fonts)}, {"tamberlyn.png", MakeTamberlynLogo(fonts)},
        {"credits.png", MakeCreditsImage(fonts)},      {"x.png", MakeSpriteImage()},
    };
    // Drawn at their quads' proportions, stored at the loader's sides.
    for (const Product& p : products)
        if (!Save(ForTextureLoader(p.image), out + "/" + p.file))
            return 1;
    return 0;
}
