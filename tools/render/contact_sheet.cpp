#include "tools/render/contact_sheet.h"

#include "tools/imagemaker/font.h"
#include "tools/render/box_reduce.h"

#include "platform/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

const char* const kFace = "DejaVuSansMono-Bold.ttf";
// The labels' grey: readable on black without outshining the frames.
constexpr float kLabelGrey = 200.0f;

void PaintLabel(std::vector<unsigned char>& pixels, const SheetLayout& layout, const Font& font,
                int index, const std::string& text) {
    Mask mask(layout.cellWidth, layout.labelHeight);
    float size = layout.labelHeight * 0.7f;
    font.DrawCentred(mask, text, size, layout.cellWidth * 0.5f, layout.labelHeight * 0.5f);
    int x0 = layout.CellX(index);
    int y0 = layout.CellY(index) + layout.cellHeight;
    for (int y = 0; y < mask.height; ++y) {
        unsigned char* row = &pixels[(static_cast<size_t>(y0 + y) * layout.width + x0) * 3];
        for (int x = 0; x < mask.width; ++x) {
            float cover = std::clamp(mask.At(x, y), 0.0f, 1.0f);
            auto grey = static_cast<unsigned char>(std::lround(cover * kLabelGrey));
            row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = grey;
        }
    }
}

} // namespace

SheetLayout LayOutSheet(int frameWidth, int frameHeight, int columns, int count) {
    SheetLayout l;
    l.columns = std::min(columns, count);
    l.rows = (count + columns - 1) / columns;
    l.cellWidth = frameWidth / 2;
    l.cellHeight = frameHeight / 2;
    l.gap = std::max(2, l.cellWidth / 40);
    l.labelHeight = std::max(12, l.cellHeight / 5);
    l.width = l.gap + l.columns * (l.cellWidth + l.gap);
    l.height = l.gap + l.rows * (l.cellHeight + l.labelHeight + l.gap);
    return l;
}

double SheetTime(double from, double to, int count, int i) {
    return from + (to - from) * (i + 0.5) / count;
}

std::string SheetLabel(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

bool ContactSheet::Init(const SheetLayout& l, const std::vector<double>& times,
                        const std::string& fontDir) {
    layout = l;
    pixels.assign(static_cast<size_t>(l.width) * l.height * 3, 0);
    Font font;
    std::string path = fontDir + "/" + kFace;
    if (!font.Load(path)) {
        Report("cannot load the face %s (Debian package fonts-dejavu-core)", path.c_str());
        return false;
    }
    for (size_t i = 0; i < times.size(); ++i)
        PaintLabel(pixels, layout, font, static_cast<int>(i), SheetLabel(times[i]));
    return true;
}

void ContactSheet::Place(int index, const unsigned char* frame) {
    int stride = layout.width * 3;
    unsigned char* cell = &pixels[static_cast<size_t>(layout.CellY(index)) * stride +
                                  static_cast<size_t>(layout.CellX(index)) * 3];
    BoxReduce(frame, layout.cellWidth * 2 * 3, 3, 2, layout.cellWidth, layout.cellHeight, cell,
              stride);
}
