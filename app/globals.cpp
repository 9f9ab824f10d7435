#include "app/globals.h"

// Static storage: zero until start-up fills them. Nothing here has a
// destructor that releases a GL object or the music.
GLFWwindow* window = nullptr;
float displayScale = 0.0f;
Texture loadingTexture;
Texture titleTexture;
Texture captionTexture;
Texture greetingTextures[7];
Texture creditsTexture;
ParticleSystem particleSystem;
std::vector<LineSegment> LineField;
RenderTarget renderTarget;
Shader rbProgram;
Shader riProgram;
Music music;
