// zf_imagemaker: draws every image of the production into a folder.
//
//   zf_imagemaker OUTPUT_DIR [FONT_DIR]
//
// The same fonts give byte-identical files on every run.
#include <cstdio>
#include <string>

#include "font_set.h"
#include "images.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [FONT_DIR]\n", argv[0]);
        return 2;
    }
    std::string out = argv[1];
    std::string fontDir = argc > 2 ? argv[2] : "/usr/share/fonts/truetype/dejavu";
    FontSet fonts;
    if (!LoadFontSet(fonts, fontDir))
        return 1;

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
    for (const Product& p : products) {
        std::string path = out + "/" + p.file;
        if (!SavePng(p.image, path)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s (%dx%d)\n", path.c_str(), p.image.width, p.image.height);
    }
    return 0;
}
