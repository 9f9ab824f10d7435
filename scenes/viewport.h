// The picture's place in the window: the largest centred 16:9 area, in
// window pixels from the lower left.
#pragma once

struct Viewport {
    int x, y, width, height;
};
