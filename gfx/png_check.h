// A check of a PNG file's chunk structure before its pixels are decoded:
// the signature, every chunk inside the file with its CRC intact, IHDR
// first, at least one IDAT, none of them empty, and IEND last. Bits flipped
// by a failing disk or a broken download fail the CRC, so a damaged image is
// refused instead of shown as garbage; an empty IDAT chunk made the image
// decoder copy to a null pointer.
#pragma once

#include <cstddef>

bool PngChunksIntact(const unsigned char* data, size_t size);
