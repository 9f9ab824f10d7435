// The legacy GL and GLU entry points the production calls, provided over
// OpenGL ES 2.0: one table, each entry a small function named zgl_<Name> for
// gl<Name> (glu<Name>: zglu_<Name>). The gles2 build's <GL/gl.h> (gles/include)
// maps the GL names onto these, so the scene code compiles unchanged; every
// other call goes to GLES 2.0 itself. The layer's state is process-wide, for
// the one context current on the calling thread (gles/layer_state.h).
#pragma once

#include <GLES2/gl2.h>

// The legacy enums the production names; GLES 2.0 lacks them.
#ifndef GL_QUADS
#define GL_QUADS 0x0007
#endif
#ifndef GL_MODELVIEW
#define GL_MODELVIEW 0x1700
#define GL_PROJECTION 0x1701
#endif
#ifndef GL_CLAMP
#define GL_CLAMP 0x2900
#endif
#ifndef GL_VERTEX_ARRAY
#define GL_VERTEX_ARRAY 0x8074
#define GL_COLOR_ARRAY 0x8076
#endif
#ifndef GL_VIEWPORT_BIT
#define GL_VIEWPORT_BIT 0x00000800
#endif
#ifndef GL_CLIENT_PIXEL_STORE_BIT
#define GL_CLIENT_PIXEL_STORE_BIT 0x00000001
#endif
#ifndef GL_POINT_SPRITE_ARB
#define GL_POINT_SPRITE_ARB 0x8861
#define GL_COORD_REPLACE_ARB 0x8862
#endif
#ifndef GL_VERTEX_PROGRAM_POINT_SIZE_ARB
#define GL_VERTEX_PROGRAM_POINT_SIZE_ARB 0x8642
#endif
#ifndef GL_POINT_SIZE_MIN_ARB
#define GL_POINT_SIZE_MIN_ARB 0x8126
#define GL_POINT_SIZE_MAX_ARB 0x8127
#define GL_POINT_DISTANCE_ATTENUATION_ARB 0x8129
#endif
#ifndef GL_DRAW_FRAMEBUFFER
#define GL_DRAW_FRAMEBUFFER 0x8CA9
#endif
#ifndef GL_GEOMETRY_SHADER
#define GL_GEOMETRY_SHADER 0x8DD9
#endif
#ifndef GL_PIXEL_PACK_BUFFER
#define GL_PIXEL_PACK_BUFFER 0x88EB
#define GL_READ_ONLY 0x88B8
#define GL_STREAM_READ 0x88E1
#endif
#ifndef GL_RGBA8
#define GL_RGBA8 0x8058
#endif
#ifndef GL_DEPTH24_STENCIL8_EXT
#define GL_DEPTH24_STENCIL8_EXT 0x88F0
#endif
#ifndef GL_TEXTURE_WIDTH
#define GL_TEXTURE_WIDTH 0x1000
#define GL_TEXTURE_HEIGHT 0x1001
#endif
#ifndef GL_FRAMEBUFFER_EXT
#define GL_FRAMEBUFFER_EXT GL_FRAMEBUFFER
#define GL_RENDERBUFFER_EXT GL_RENDERBUFFER
#define GL_COLOR_ATTACHMENT0_EXT GL_COLOR_ATTACHMENT0
#define GL_DEPTH_ATTACHMENT_EXT GL_DEPTH_ATTACHMENT
#define GL_STENCIL_ATTACHMENT_EXT GL_STENCIL_ATTACHMENT
#define GL_FRAMEBUFFER_COMPLETE_EXT GL_FRAMEBUFFER_COMPLETE
#define GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT_EXT GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT
#define GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT_EXT                                           \
    GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT
#define GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS_EXT GL_FRAMEBUFFER_INCOMPLETE_DIMENSIONS
#define GL_FRAMEBUFFER_INCOMPLETE_FORMATS_EXT 0x8CDA
#define GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER_EXT 0x8CDB
#define GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER_EXT 0x8CDC
#define GL_MAX_RENDERBUFFER_SIZE_EXT GL_MAX_RENDERBUFFER_SIZE
#endif
#ifndef GL_MODELVIEW_MATRIX
#define GL_MODELVIEW_MATRIX 0x0BA6
#define GL_PROJECTION_MATRIX 0x0BA7
#endif

// Matrices: float, computed as the GL computes them; GLU's in double, rounded
// to float where GLU hands them over.
void zgl_MatrixMode(GLenum mode);
void zgl_LoadIdentity();
void zgl_Rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void zgl_Rotated(double angle, double x, double y, double z);
void zgl_Scalef(GLfloat x, GLfloat y, GLfloat z);
void zglu_Perspective(double fovy, double aspect, double zNear, double zFar);
void zglu_LookAt(double eyeX, double eyeY, double eyeZ, double centreX, double centreY,
                 double centreZ, double upX, double upY, double upZ);
// GL_MODELVIEW_MATRIX and GL_PROJECTION_MATRIX; anything else goes to GLES.
void zgl_GetFloatv(GLenum name, GLfloat* values);

// Immediate mode (GL_LINES, GL_QUADS) and the client arrays (vertex, colour).
void zgl_Begin(GLenum mode);
void zgl_End();
void zgl_Vertex2i(GLint x, GLint y);
void zgl_Vertex3f(GLfloat x, GLfloat y, GLfloat z);
void zgl_Color3f(GLfloat r, GLfloat g, GLfloat b);
void zgl_Color3fv(const GLfloat* rgb);
void zgl_Color3ub(GLubyte r, GLubyte g, GLubyte b);
void zgl_Color4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void zgl_TexCoord2i(GLint s, GLint t);
void zgl_EnableClientState(GLenum array);
void zgl_DisableClientState(GLenum array);
void zgl_VertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer);
void zgl_ColorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer);
void zgl_DrawArrays(GLenum mode, GLint first, GLsizei count);

// Rasterisation state: wide lines, points, enables, the viewport, the
// attribute stacks (GL_VIEWPORT_BIT, GL_CLIENT_PIXEL_STORE_BIT).
void zgl_LineWidth(GLfloat width);
void zgl_PointParameterfARB(GLenum name, GLfloat value);
void zgl_PointParameterfvARB(GLenum name, const GLfloat* values);
void zgl_TexEnvi(GLenum target, GLenum name, GLint value);
void zgl_Enable(GLenum cap);
void zgl_Disable(GLenum cap);
void zgl_ActiveTexture(GLenum unit);
void zgl_Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
void zgl_PushAttrib(GLbitfield mask);
void zgl_PopAttrib();
void zgl_PushClientAttrib(GLbitfield mask);
void zgl_PopClientAttrib();

// Textures: GL_CLAMP as GL_CLAMP_TO_BORDER, else GL_MIRRORED_REPEAT
// (layer_state.cpp says why);
// level 0 kept as uploaded for the queries of its size and texels.
void zgl_TexParameteri(GLenum target, GLenum name, GLint value);
void zgl_TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                    GLint border, GLenum format, GLenum type, const void* pixels);
void zgl_GetTexLevelParameteriv(GLenum target, GLint level, GLenum name, GLint* value);
void zgl_GetTexImage(GLenum target, GLint level, GLenum format, GLenum type, void* pixels);
void zgl_DeleteTextures(GLsizei count, const GLuint* textures);

// EXT framebuffer objects on the core names; depth in 24 bits where offered.
void zgl_GenFramebuffersEXT(GLsizei count, GLuint* framebuffers);
void zgl_BindFramebufferEXT(GLenum target, GLuint framebuffer);
void zgl_FramebufferTexture2DEXT(GLenum target, GLenum attachment, GLenum textarget, GLuint texture,
                                 GLint level);
void zgl_FramebufferRenderbufferEXT(GLenum target, GLenum attachment, GLenum renderbufferTarget,
                                    GLuint renderbuffer);
GLenum zgl_CheckFramebufferStatusEXT(GLenum target);
void zgl_GenRenderbuffersEXT(GLsizei count, GLuint* renderbuffers);
void zgl_BindRenderbufferEXT(GLenum target, GLuint renderbuffer);
void zgl_RenderbufferStorageEXT(GLenum target, GLenum internalFormat, GLsizei width,
                                GLsizei height);

// Programs: GLSL 1.20 rewritten to GLSL ES 1.00 (gles/shader_rewrite.h), the
// built-ins bound to the layer's attributes and fed at each draw.
void zgl_ShaderSource(GLuint shader, GLsizei count, const GLchar* const* sources,
                      const GLint* lengths);
void zgl_LinkProgram(GLuint program);
void zgl_UseProgram(GLuint program);

// Read-back: GL_RGB packed from GLES's GL_RGBA; no pixel buffer objects
// (a null map).
void zgl_ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                    void* pixels);
void* zgl_MapBuffer(GLenum target, GLenum access);
GLboolean zgl_UnmapBuffer(GLenum target);

// What the loader reports: every requirement the production checks is
// provided by the layer.
GLenum zglew_Init();
GLboolean zglew_IsSupported(const char* name);
