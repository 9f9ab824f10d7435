// The one translation unit that compiles the font rasteriser.
#define STB_TRUETYPE_IMPLEMENTATION
#include <stb/stb_truetype.h>
