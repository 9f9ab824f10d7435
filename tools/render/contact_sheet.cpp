// The contact sheet mode: frames spread over a stretch in one PNG, in a grid
// of cells, row by row, each cell the frame at half its drawn size with its
// music time written under it in the project's own face (DejaVu Sans Mono
// Bold, as the image maker sets its images in). The labels are set before
// the frames are drawn; placing a frame allocates nothing.
#include "tools/imagemaker/font.h"
#include "tools/render/box_reduce.h"
#include "tools/render/progress_bar.h"
#include "tools/render/render_modes.h"

#include "platform/report.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

// Where Debian's fonts-dejavu-core puts the face, as the image maker reads
// it.
const char* const kFace = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
// The labels' grey: readable on black without outshining the frames.
constexpr float kLabelGrey = 200.0f;

// Where everything lies on the sheet, in pixels.
struct SheetLayout {
    int columns = 0;
    int rows = 0;
    int cellWidth = 0; // the frame's drawn size halved
    int cellHeight = 0;
    int gap = 0;         // around and between the cells
    int labelHeight = 0; // the strip under each cell that holds its time
    int width = 0;
    int height = 0;

    int CellX(int index) const { return gap + (index % columns) * (cellWidth + gap); }
    int CellY(int index) const {
        return gap + (index / columns) * (cellHeight + labelHeight + gap);
    }
};

// The layout of `count` frames drawn at frameWidth × frameHeight (both even)
// in `columns` columns.
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

// "96.25 s" under cell `index`.
void PaintLabel(std::vector<unsigned char>& pixels, const SheetLayout& layout, const Font& font,
                int index, double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
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

// Puts a frame (packed RGB at twice the cell's size, top row first) into
// cell `index`.
void Place(std::vector<unsigned char>& pixels, const SheetLayout& layout, int index,
           const unsigned char* frame) {
    int stride = layout.width * 3;
    unsigned char* cell = &pixels[static_cast<size_t>(layout.CellY(index)) * stride +
                                  static_cast<size_t>(layout.CellX(index)) * 3];
    BoxReduce(frame, layout.cellWidth * 2 * 3, 3, 2, layout.cellWidth, layout.cellHeight, cell,
              stride);
}

} // namespace

int RenderContactSheet(const RenderOptions& options, OfflineProduction& production) {
    const int count = options.sheetCount;
    // Frame i lies in the middle of the i-th of `count` equal parts of the
    // stretch.
    std::vector<double> times;
    for (int i = 0; i < count; ++i)
        times.push_back(options.from + (options.to - options.from) * (i + 0.5) / count);
    const SheetLayout layout =
        LayOutSheet(production.Width(), production.Height(), options.sheetColumns, count);
    std::vector<unsigned char> pixels(static_cast<size_t>(layout.width) * layout.height * 3, 0);
    Font font;
    if (!font.Load(kFace)) {
        Report("cannot load the face %s (Debian package fonts-dejavu-core)", kFace);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        PaintLabel(pixels, layout, font, i, times[i]);
    Exposure exposure;
    exposure.Init(production.Width(), production.Height(), ExposureOf(options));
    PngEncoder encoder;
    if (!encoder.Init(layout.width, layout.height)) {
        Report("no memory for a %dx%d sheet", layout.width, layout.height);
        return 1;
    }

    ProgressBar progress(count);
    for (int i = 0; i < count; ++i) {
        Place(pixels, layout, i, exposure.Take(production, times[i]));
        progress.Update(i + 1);
    }
    progress.Finish(count);
    if (!encoder.Encode(pixels.data()) || !encoder.WriteFile(options.sheetPath.c_str())) {
        Report("cannot write %s: %s", options.sheetPath.c_str(),
               std::strerror(errno ? errno : ENOMEM));
        return 1;
    }
    return 0;
}
