// The gles2 build's <GL/glu.h>: gluPerspective and gluLookAt come with the
// layer's <GL/gl.h>.
#pragma once

#include <GL/gl.h>
