#include "tools/rbbench/post_passes.h"

namespace {

void SetRbUniforms(Shader& rb, const RbValues& v) {
    rb.SetUniform2f("o", v.ox, v.oy);
    rb.SetUniform1i("s", v.s);
    rb.SetUniform4f("c", v.c, v.c, v.c, v.c);
}

} // namespace

void DrawPlainCopy(RenderTarget& target) {
    target.BindTexture(GL_TEXTURE0);
    DrawScreenQuad();
    target.UnbindTexture();
}

void DrawRbPass(RenderTarget& target, Shader& rb, const RbValues& values) {
    target.BindTexture(GL_TEXTURE0);
    rb.Bind();
    SetRbUniforms(rb, values);
    DrawScreenQuad();
    rb.Unbind();
    target.UnbindTexture();
}

void DrawRbGlow(RenderTarget& target, Shader& rb, const RbValues& values) {
    target.BindTexture(GL_TEXTURE0);
    DrawScreenQuad();
    rb.Bind();
    SetRbUniforms(rb, values);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    DrawScreenQuad();
    glDisable(GL_BLEND);
    rb.Unbind();
    target.UnbindTexture();
}
