// The gles2 build's <GL/gl.h>: GLES 2.0 with the legacy entry points the
// production calls mapped onto the layer (gles/legacy_gl.h). This folder
// comes first on the include path of the gles2 build only; the desktop build
// includes the system's headers and calls the real GL.
#pragma once

// As the desktop headers do, size_t and ptrdiff_t come with it.
#include <stddef.h>

#include "../../legacy_gl.h"

#define glMatrixMode zgl_MatrixMode
#define glLoadIdentity zgl_LoadIdentity
#define glRotatef zgl_Rotatef
#define glRotated zgl_Rotated
#define glScalef zgl_Scalef
#define gluPerspective zglu_Perspective
#define gluLookAt zglu_LookAt
#define glGetFloatv zgl_GetFloatv

#define glBegin zgl_Begin
#define glEnd zgl_End
#define glVertex2i zgl_Vertex2i
#define glVertex3f zgl_Vertex3f
#define glColor3f zgl_Color3f
#define glColor3fv zgl_Color3fv
#define glColor3ub zgl_Color3ub
#define glColor4f zgl_Color4f
#define glTexCoord2i zgl_TexCoord2i
#define glEnableClientState zgl_EnableClientState
#define glDisableClientState zgl_DisableClientState
#define glVertexPointer zgl_VertexPointer
#define glColorPointer zgl_ColorPointer
#define glDrawArrays zgl_DrawArrays

#define glLineWidth zgl_LineWidth
#define glPointParameterfARB zgl_PointParameterfARB
#define glPointParameterfvARB zgl_PointParameterfvARB
#define glTexEnvi zgl_TexEnvi
#define glEnable zgl_Enable
#define glDisable zgl_Disable
#define glActiveTexture zgl_ActiveTexture
#define glViewport zgl_Viewport
#define glPushAttrib zgl_PushAttrib
#define glPopAttrib zgl_PopAttrib
#define glPushClientAttrib zgl_PushClientAttrib
#define glPopClientAttrib zgl_PopClientAttrib

#define glTexParameteri zgl_TexParameteri
#define glTexImage2D zgl_TexImage2D
#define glGetTexLevelParameteriv zgl_GetTexLevelParameteriv
#define glGetTexImage zgl_GetTexImage
#define glDeleteTextures zgl_DeleteTextures

#define glGenFramebuffersEXT zgl_GenFramebuffersEXT
#define glBindFramebufferEXT zgl_BindFramebufferEXT
#define glFramebufferTexture2DEXT zgl_FramebufferTexture2DEXT
#define glFramebufferRenderbufferEXT zgl_FramebufferRenderbufferEXT
#define glCheckFramebufferStatusEXT zgl_CheckFramebufferStatusEXT
#define glGenRenderbuffersEXT zgl_GenRenderbuffersEXT
#define glBindRenderbufferEXT zgl_BindRenderbufferEXT
#define glRenderbufferStorageEXT zgl_RenderbufferStorageEXT

#define glShaderSource zgl_ShaderSource
#define glLinkProgram zgl_LinkProgram
#define glUseProgram zgl_UseProgram

#define glReadPixels zgl_ReadPixels
#define glMapBuffer zgl_MapBuffer
#define glUnmapBuffer zgl_UnmapBuffer
