// Passes that more than one scene runs, defined with the opening
// (scenes/line_field_scene.cpp).
#pragma once

#include "scenes/pass.h"

// The line field, turned by the scene's time in degrees about each axis, its
// tips pushed out by the low band. Leaves: the target bound, depth test off,
// both matrices identity.
void LineFieldPass(Production& production, const SceneFrame& frame);
// The post pass centred, at strength 500, in white. Leaves: the shared
// state, colour white.
void CentredPostPass(Production& production, const SceneFrame& frame);
