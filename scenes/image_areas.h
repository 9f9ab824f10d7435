// Finding, once at load, where each of the production's image quads can
// change a pixel (scenes/production.h, ImageAreas), and which area a pass
// draws within.
#pragma once

#include "scenes/production.h"

// The areas for a production whose textures are loaded, drawn into the
// viewport (and a target of the viewport's size). Reads the textures back:
// start-up only.
ImageAreas FindImageAreas(const Production& production, const Viewport& viewport);

// The area a pass draws an image quad within: none (the whole quad) when
// the production draws every pass whole.
inline const ScissorRect* AreaFor(const Production& production, const ScissorRect& area) {
    return production.allPasses ? nullptr : &area;
}
