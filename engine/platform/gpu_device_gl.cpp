// The GPU device on OpenGL 3.3 core through libepoxy: the scene target, the window as the back
// buffer (an off-screen one when the window cannot take it), one shader.
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstddef>

#include "engine/platform/gpu_device.h"

namespace platform {

namespace {

// Positions go through world × view (eye space) and the projection, row-vector style; the
// matrices arrive row-major, which GLSL reads as their transposes, hence matrix × vector.
constexpr const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec4 a_colour;
layout(location = 2) in vec2 a_uv;
uniform mat4 u_world_view;
uniform mat4 u_projection;
uniform float u_point_size;
uniform bool u_point_scaling;
uniform float u_flip_y;
out vec4 v_colour;
out vec2 v_uv;
void main() {
    vec4 eye = u_world_view * vec4(a_position, 1.0);
    gl_Position = u_projection * eye;
    // Off-screen targets keep row 0 at the top, like the textures uploaded into them (-1);
    // the window's row 0 is at the bottom (1).
    gl_Position.y *= u_flip_y;
    // Point scaling with factors A = B = 0, C = 1: viewport height * size / eye distance,
    // clamped to the classic default maximum of 64 pixels.
    float size = u_point_scaling ? u_point_size / max(length(eye.xyz), 0.001) : u_point_size;
    gl_PointSize = min(size, 64.0);
    v_colour = a_colour;
    v_uv = a_uv;
}
)";

constexpr const char* kFragmentShader = R"(#version 330 core
in vec4 v_colour;
in vec2 v_uv;
uniform sampler2D u_texture;
uniform bool u_colour_add;
uniform bool u_point_sprite;
out vec4 o_colour;
void main() {
    vec4 t = texture(u_texture, u_point_sprite ? gl_PointCoord : v_uv);
    vec3 rgb = u_colour_add ? min(t.rgb + v_colour.rgb, vec3(1.0)) : t.rgb * v_colour.rgb;
    o_colour = vec4(rgb, t.a * v_colour.a);
}
)";

GLuint CompileShader(GLenum kind, const char* source) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

GLuint LinkProgram() {
    GLuint vertex = CompileShader(GL_VERTEX_SHADER, kVertexShader);
    GLuint fragment = CompileShader(GL_FRAGMENT_SHADER, kFragmentShader);
    if (vertex == 0 || fragment == 0) {
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        return 0;
    }
    GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

void ClearTo(uint32_t argb) {
    glClearColor(float((argb >> 16) & 0xFF) / 255.0f, float((argb >> 8) & 0xFF) / 255.0f,
                 float(argb & 0xFF) / 255.0f, float(argb >> 24) / 255.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

class GlDevice final : public GpuDevice {
  public:
    explicit GlDevice(SDL_Window* window) : window_(window) {}
    ~GlDevice() override;

    bool Init();
    void ResizeTargets(int width, int height, int samples) override;
    void BeginTarget(GpuTarget target, uint32_t clear_argb) override;
    void BeginLayer(int left, int top, int right, int bottom, uint32_t clear_argb) override;
    void ResumeScene() override;
    void CopyLayerToScene() override;
    void SetTransforms(const float world_view[16], const float projection[16]) override;
    void SetBlendState(const GpuBlendState& state) override;
    void SetFiltering(bool smooth) override;
    unsigned int UploadTexture(unsigned int handle, int width, int height,
                               const uint32_t* argb) override;
    void DeleteTexture(unsigned int handle) override;
    void BindTexture(unsigned int handle) override;
    void BindSceneTexture() override { BindTexture(scene_texture_); }
    void BindLayerTexture() override { BindTexture(layer_texture_); }
    void BindNoTexture() override { BindTexture(white_texture_); }
    void DrawQuad(const GpuVertex vertices[4]) override;
    void DrawLines(const GpuVertex* vertices, int count) override;
    void DrawPoints(const GpuPointVertex* points, int count, float size) override;
    void ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height) override;
    void Present() override;
    int DrawCalls() const override { return draw_calls_; }

  private:
    void ReleaseTargets();
    // Where drawing goes next: an off-screen framebuffer, or the window (framebuffer 0).
    void BindDrawTarget(GLuint framebuffer);
    // The single-sample back buffer, resolving the multisampled one first.
    GLuint ResolvedBackBuffer();
    void UploadVertices(const GpuVertex* vertices, int count);
    // The state setters only record: GL is touched by draws alone, which run on the thread
    // that owns the context, while the setters may also be reached from the loading thread.
    void ApplyState();

    SDL_Window* window_;
    GLuint program_ = 0;
    GLint u_world_view_ = -1, u_projection_ = -1, u_point_size_ = -1, u_point_scaling_ = -1;
    GLint u_colour_add_ = -1, u_point_sprite_ = -1, u_flip_y_ = -1;
    GLuint quad_vao_ = 0, quad_buffer_ = 0, quad_indices_ = 0;
    GLuint point_vao_ = 0, point_buffer_ = 0;
    GLuint sampler_ = 0;
    GLuint white_texture_ = 0;
    GLuint scene_fbo_ = 0, scene_texture_ = 0;
    GLuint layer_fbo_ = 0, layer_texture_ = 0;
    GLuint back_fbo_ = 0, back_colour_ = 0;
    GLuint resolve_fbo_ = 0, resolve_colour_ = 0;  // only with multisampling
    int width_ = 0, height_ = 0;
    int samples_ = 0;
    // The back-buffer pass draws straight into the window: one full-screen copy fewer per
    // frame. Only when the window's drawable has the back buffer's size and no samples are
    // wanted; otherwise it goes to back_fbo_, which Present stretches onto the window.
    bool direct_ = false;
    GpuBlendState blend_;
    bool smooth_ = false;
    float world_view_[16] = {};
    float projection_[16] = {};
    bool blend_dirty_ = true, filter_dirty_ = true, transforms_dirty_ = true;
    int draw_calls_ = 0;
};

GlDevice::~GlDevice() {
    ReleaseTargets();
    glDeleteTextures(1, &white_texture_);
    glDeleteSamplers(1, &sampler_);
    glDeleteBuffers(1, &quad_buffer_);
    glDeleteBuffers(1, &quad_indices_);
    glDeleteBuffers(1, &point_buffer_);
    glDeleteVertexArrays(1, &quad_vao_);
    glDeleteVertexArrays(1, &point_vao_);
    glDeleteProgram(program_);
}

bool GlDevice::Init() {
    // Errors left by context creation are not ours; the check at the end judges this set-up.
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
    program_ = LinkProgram();
    if (program_ == 0) {
        return false;
    }
    glUseProgram(program_);
    u_world_view_ = glGetUniformLocation(program_, "u_world_view");
    u_projection_ = glGetUniformLocation(program_, "u_projection");
    u_point_size_ = glGetUniformLocation(program_, "u_point_size");
    u_point_scaling_ = glGetUniformLocation(program_, "u_point_scaling");
    u_colour_add_ = glGetUniformLocation(program_, "u_colour_add");
    u_point_sprite_ = glGetUniformLocation(program_, "u_point_sprite");
    u_flip_y_ = glGetUniformLocation(program_, "u_flip_y");
    glUniform1i(glGetUniformLocation(program_, "u_texture"), 0);

    const GLushort indices[6] = {0, 2, 1, 0, 3, 2};
    glGenVertexArrays(1, &quad_vao_);
    glBindVertexArray(quad_vao_);
    glGenBuffers(1, &quad_buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, quad_buffer_);
    glBufferData(GL_ARRAY_BUFFER, 8 * sizeof(GpuVertex), nullptr, GL_STREAM_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(GpuVertex),
                          reinterpret_cast<void*>(offsetof(GpuVertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(GpuVertex),
                          reinterpret_cast<void*>(offsetof(GpuVertex, colour)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, sizeof(GpuVertex),
                          reinterpret_cast<void*>(offsetof(GpuVertex, u)));
    glGenBuffers(1, &quad_indices_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, quad_indices_);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(indices), indices, GL_STATIC_DRAW);

    glGenVertexArrays(1, &point_vao_);
    glBindVertexArray(point_vao_);
    glGenBuffers(1, &point_buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(GpuPointVertex),
                          reinterpret_cast<void*>(offsetof(GpuPointVertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(GpuPointVertex),
                          reinterpret_cast<void*>(offsetof(GpuPointVertex, colour)));
    glVertexAttrib2f(2, 0.0f, 0.0f);

    glGenSamplers(1, &sampler_);
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glBindSampler(0, sampler_);

    const uint32_t white = 0xFFFFFFFF;
    white_texture_ = UploadTexture(0, 1, 1, &white);

    glEnable(GL_PROGRAM_POINT_SIZE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    ApplyState();
    return glGetError() == GL_NO_ERROR;
}

void GlDevice::ReleaseTargets() {
    glDeleteFramebuffers(1, &scene_fbo_);
    glDeleteTextures(1, &scene_texture_);
    glDeleteFramebuffers(1, &layer_fbo_);
    glDeleteTextures(1, &layer_texture_);
    glDeleteFramebuffers(1, &back_fbo_);
    glDeleteRenderbuffers(1, &back_colour_);
    glDeleteFramebuffers(1, &resolve_fbo_);
    glDeleteRenderbuffers(1, &resolve_colour_);
    scene_fbo_ = scene_texture_ = layer_fbo_ = layer_texture_ = 0;
    back_fbo_ = back_colour_ = resolve_fbo_ = resolve_colour_ = 0;
}

void GlDevice::ResizeTargets(int width, int height, int samples) {
    ReleaseTargets();
    width_ = width;
    height_ = height;
    samples_ = samples;

    auto make_texture_target = [&](GLuint& fbo, GLuint& texture) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA,
                     GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    };
    make_texture_target(layer_fbo_, layer_texture_);
    make_texture_target(scene_fbo_, scene_texture_);

    auto make_colour_target = [&](int target_samples, GLuint& fbo, GLuint& colour) {
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, target_samples, GL_RGBA8, width, height);
        glGenFramebuffers(1, &fbo);
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    };
    make_colour_target(samples, back_fbo_, back_colour_);
    if (samples > 0) {
        make_colour_target(0, resolve_fbo_, resolve_colour_);
    }
    glBindFramebuffer(GL_FRAMEBUFFER, scene_fbo_);
}

void GlDevice::BindDrawTarget(GLuint framebuffer) {
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    const bool window = framebuffer == 0;
    glUniform1f(u_flip_y_, window ? 1.0f : -1.0f);
    // Sprites keep texel row 0 at the top of the picture on both kinds of target.
    glPointParameteri(GL_POINT_SPRITE_COORD_ORIGIN, window ? GL_UPPER_LEFT : GL_LOWER_LEFT);
}

void GlDevice::BeginTarget(GpuTarget target, uint32_t clear_argb) {
    if (target == GpuTarget::kScene) {
        BindDrawTarget(scene_fbo_);
    } else {
        int window_width = 0;
        int window_height = 0;
        SDL_GL_GetDrawableSize(window_, &window_width, &window_height);
        direct_ = samples_ == 0 && window_width == width_ && window_height == height_;
        BindDrawTarget(direct_ ? 0 : back_fbo_);
    }
    glViewport(0, 0, width_, height_);
    ClearTo(clear_argb);
}

void GlDevice::BeginLayer(int left, int top, int right, int bottom, uint32_t clear_argb) {
    BindDrawTarget(layer_fbo_);
    glViewport(0, 0, width_, height_);
    // Off-screen rows run from the top, so window rows and picture rows agree.
    glEnable(GL_SCISSOR_TEST);
    glScissor(left, top, std::max(right - left, 0), std::max(bottom - top, 0));
    ClearTo(clear_argb);
}

void GlDevice::ResumeScene() {
    glDisable(GL_SCISSOR_TEST);
    BindDrawTarget(scene_fbo_);
    glViewport(0, 0, width_, height_);
}

void GlDevice::CopyLayerToScene() {
    // A blit copies texel for texel: no filtering, no blending, alpha kept, so the scene holds
    // exactly what drawing the layer's contents into it would have left.
    glBindFramebuffer(GL_READ_FRAMEBUFFER, layer_fbo_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, scene_fbo_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    BindDrawTarget(scene_fbo_);
}

void GlDevice::SetTransforms(const float world_view[16], const float projection[16]) {
    std::copy(world_view, world_view + 16, world_view_);
    std::copy(projection, projection + 16, projection_);
    transforms_dirty_ = true;
}

void GlDevice::SetBlendState(const GpuBlendState& state) {
    blend_ = state;
    blend_dirty_ = true;
}

void GlDevice::SetFiltering(bool smooth) {
    smooth_ = smooth;
    filter_dirty_ = true;
}

void GlDevice::ApplyState() {
    if (transforms_dirty_) {
        glUniformMatrix4fv(u_world_view_, 1, GL_FALSE, world_view_);
        glUniformMatrix4fv(u_projection_, 1, GL_FALSE, projection_);
        transforms_dirty_ = false;
    }
    if (blend_dirty_) {
        if (blend_.blending) {
            glEnable(GL_BLEND);
        } else {
            glDisable(GL_BLEND);
        }
        glBlendFunc(GL_SRC_ALPHA, blend_.additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
        glUniform1i(u_colour_add_, blend_.colour_add ? 1 : 0);
        blend_dirty_ = false;
    }
    if (filter_dirty_) {
        // Plain linear: every texture has one level, 2D quads have an isotropic footprint, and
        // anisotropic sampling only blurs the 1:1 scene copy on some drivers.
        GLint filter = smooth_ ? GL_LINEAR : GL_NEAREST;
        glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, filter);
        glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, filter);
        filter_dirty_ = false;
    }
}

unsigned int GlDevice::UploadTexture(unsigned int handle, int width, int height,
                                     const uint32_t* argb) {
    if (handle == 0) {
        glGenTextures(1, &handle);
        glBindTexture(GL_TEXTURE_2D, handle);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    } else {
        glBindTexture(GL_TEXTURE_2D, handle);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 argb);
    return handle;
}

void GlDevice::DeleteTexture(unsigned int handle) {
    GLuint name = handle;
    glDeleteTextures(1, &name);
}

void GlDevice::BindTexture(unsigned int handle) {
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, handle);
}

void GlDevice::UploadVertices(const GpuVertex* vertices, int count) {
    ApplyState();
    glBindVertexArray(quad_vao_);
    glBindBuffer(GL_ARRAY_BUFFER, quad_buffer_);
    // A fresh store each time: the driver never waits for the previous draw.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(count * sizeof(GpuVertex)), vertices, GL_STREAM_DRAW);
    glUniform1i(u_point_sprite_, 0);
}

void GlDevice::DrawQuad(const GpuVertex vertices[4]) {
    UploadVertices(vertices, 4);
    glDrawElements(GL_TRIANGLES, 6, GL_UNSIGNED_SHORT, nullptr);
    ++draw_calls_;
}

void GlDevice::DrawLines(const GpuVertex* vertices, int count) {
    UploadVertices(vertices, count);
    glDrawArrays(GL_LINES, 0, count);
    ++draw_calls_;
}

void GlDevice::DrawPoints(const GpuPointVertex* points, int count, float size) {
    ApplyState();
    glBindVertexArray(point_vao_);
    glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(count * sizeof(GpuPointVertex)), points,
                 GL_STREAM_DRAW);
    glUniform1i(u_point_sprite_, blend_.point_sprites ? 1 : 0);
    glUniform1i(u_point_scaling_, blend_.point_sprites ? 1 : 0);
    glUniform1f(u_point_size_, blend_.point_sprites ? float(height_) * size : size);
    glDrawArrays(GL_POINTS, 0, count);
    ++draw_calls_;
}

GLuint GlDevice::ResolvedBackBuffer() {
    if (resolve_fbo_ == 0) {
        return back_fbo_;
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, back_fbo_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolve_fbo_);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    return resolve_fbo_;
}

void GlDevice::ReadBackBuffer(std::vector<uint32_t>& argb, int& width, int& height) {
    GLint drawing = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawing);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, direct_ ? 0 : ResolvedBackBuffer());
    width = width_;
    height = height_;
    argb.assign(size_t(width) * size_t(height), 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, argb.data());
    if (direct_) {
        // The window's rows come bottom first.
        for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
            std::swap_ranges(argb.begin() + ptrdiff_t(top) * width,
                             argb.begin() + ptrdiff_t(top + 1) * width,
                             argb.begin() + ptrdiff_t(bottom) * width);
        }
    }
    // The back buffer shows no alpha: what is read is what the window shows.
    for (uint32_t& texel : argb) {
        texel |= 0xFF000000;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, GLuint(drawing));
}

void GlDevice::Present() {
    if (direct_) {
        SDL_GL_SwapWindow(window_);
        return;
    }
    int window_width = 0;
    int window_height = 0;
    SDL_GL_GetDrawableSize(window_, &window_width, &window_height);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, ResolvedBackBuffer());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    // Flipped vertically: the window's row 0 is at the bottom.
    glBlitFramebuffer(0, 0, width_, height_, 0, window_height, window_width, 0, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    SDL_GL_SwapWindow(window_);
    glBindFramebuffer(GL_FRAMEBUFFER, back_fbo_);
}

}  // namespace

std::unique_ptr<GpuDevice> GpuDevice::Create(void* window) {
    if (window == nullptr || SDL_GL_GetCurrentContext() == nullptr || !epoxy_is_desktop_gl() ||
        epoxy_gl_version() < 33) {
        return nullptr;
    }
    auto device = std::make_unique<GlDevice>(static_cast<SDL_Window*>(window));
    if (!device->Init()) {
        return nullptr;
    }
    return device;
}

}  // namespace platform
