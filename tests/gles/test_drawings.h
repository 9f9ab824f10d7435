// What the layer's tests draw, once through the desktop GL and once through
// the layer: drawings.cpp, built once against each.
#pragma once

#include <vector>

// A line of one colour (so that coverage shows), in the line field's view.
struct TestLine {
    float from[3], to[3];
    unsigned char color[3];
};

// A point sprite: position, base size (the sprite's diameter times its
// distance), colour.
struct TestSprite {
    float position[4];
    float color[4];
};

// GLEW's entry points for the desktop context, which must be current.
void LoadDesktopEntryPoints();

// The line field's lens and view turned by `angle` degrees, the viewport
// (0, 0, width, height), lines `width` pixels wide; no depth test.
void DrawLinesDesktop(const std::vector<TestLine>& lines, float width, int viewportWidth,
                      int viewportHeight, double angle);
void DrawLinesLayer(const std::vector<TestLine>& lines, float width, int viewportWidth,
                    int viewportHeight, double angle);

// The particle cloud's camera, additive sprites from a radial texture
// through a GLSL 1.20 program that sizes them by distance.
void DrawSpritesDesktop(const std::vector<TestSprite>& sprites, int viewportWidth,
                        int viewportHeight);
void DrawSpritesLayer(const std::vector<TestSprite>& sprites, int viewportWidth,
                      int viewportHeight);

// A quad of four colours, turned, textured with the radial texture through
// the given GLSL 1.20 program.
void DrawProgramQuadDesktop(const char* vertexSource, const char* fragmentSource, int viewportWidth,
                            int viewportHeight);
void DrawProgramQuadLayer(const char* vertexSource, const char* fragmentSource, int viewportWidth,
                          int viewportHeight);

#ifdef ZENTRAFEL_GLES2
#define DRAW(what) Draw##what##Layer
#else
#define DRAW(what) Draw##what##Desktop
#endif

// The sprite program's sources and the sprite texture, shared by both.
extern const char* const kSpriteVertexSource;
extern const char* const kSpriteFragmentSource;
std::vector<unsigned char> RadialTexture(int size);
