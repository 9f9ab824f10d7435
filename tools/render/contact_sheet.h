// ContactSheet: frames of a stretch in a grid of cells, row by row, each
// cell the frame at half its drawn size with its music time written under it
// in the project's own face (DejaVu Sans Mono Bold, as the image maker sets
// its images in). The labels are set by Init; placing a frame allocates
// nothing.
#pragma once

#include <string>
#include <vector>

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
SheetLayout LayOutSheet(int frameWidth, int frameHeight, int columns, int count);
// The music time of frame i of `count` spread over [from, to): the middle
// of the i-th of `count` equal parts.
double SheetTime(double from, double to, int count, int i);
// "96.25 s".
std::string SheetLabel(double seconds);

class ContactSheet {
  public:
    // Lays out the sheet and writes every label; false (with a message)
    // when the face cannot be loaded from fontDir.
    bool Init(const SheetLayout& layout, const std::vector<double>& times,
              const std::string& fontDir);
    // Puts frame i (packed RGB at twice the cell's size, top row first)
    // into its cell.
    void Place(int index, const unsigned char* frame);
    const unsigned char* Pixels() const { return pixels.data(); }
    const SheetLayout& Layout() const { return layout; }

  private:
    SheetLayout layout;
    std::vector<unsigned char> pixels;
};
