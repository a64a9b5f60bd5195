// The window, OpenGL and event back end: SDL2 + OpenGL 3.3 core via libepoxy.
// The game draws into an 800 x 600 offscreen framebuffer; presenting scales it
// into the window (letterboxed), so nothing above this file knows the window's
// real size.
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "shell/media/backend.h"
#include "shell/media/clock.h"
#include "shell/media/files.h"
#include "shell/media/gamepad_sdl.h"
#include "shell/media/graphics.h"
#include "shell/media/image.h"
#include "shell/media/input.h"
#include "shell/media/input_script.h"
#include "shell/media/messages.h"
#include "shell/media/replay.h"
#include "shell/media/sprite_batch.h"
#include "shell/media/texture_atlas.h"

namespace media {
namespace {

// Set while the back end's state exists; images freed after it is gone (at
// process exit) have nothing to release.
bool backendAlive = false;

const char* kVertexShader = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 color;
uniform vec2 surfaceScale;
out vec2 vTexCoord;
out vec4 vColor;
void main() {
    gl_Position = vec4(position.x * surfaceScale.x - 1.0, 1.0 - position.y * surfaceScale.y, 0.0, 1.0);
    vTexCoord = texCoord;
    vColor = color;
}
)";

// Textures hold premultiplied alpha; each blend mode turns that into what it needs.
const char* kFragmentShader = R"(#version 330 core
in vec2 vTexCoord;
in vec4 vColor;
uniform sampler2D picture;
uniform int blendMode;
out vec4 fragColor;
void main() {
    vec4 t = texture(picture, vTexCoord);
    vec3 straight = t.a > 0.0 ? t.rgb / t.a : vec3(0.0);
    if (blendMode == 1) {            // mask: no blending, low alpha not drawn
        if (t.a * vColor.a < 0.5) discard;
        fragColor = vec4(straight * vColor.rgb, 1.0);
    } else if (blendMode == 2) {     // solid: replaces the destination
        fragColor = vec4(straight * vColor.rgb, 1.0);
    } else if (blendMode == 4) {     // light: additive
        fragColor = vec4(t.rgb * vColor.rgb * vColor.a, 0.0);
    } else if (blendMode == 5) {     // shade: multiply, transparent parts leave the destination
        fragColor = vec4(mix(vec3(1.0), straight * vColor.rgb, t.a * vColor.a), 1.0);
    } else {                         // alpha
        fragColor = vec4(t.rgb * vColor.rgb, t.a) * vColor.a;
    }
}
)";

struct GpuTexture {
    GLuint id = 0;
    int width = 0, height = 0;
    int page = -1;  // atlas page it shows, or -1 for a picture of its own
    int kind = 0;  // sampling kind: filtered and mipmapped flags
    bool mipmapped = false;
    bool needsMipmaps = false;  // pictures were added since the smaller copies were made
};

int samplingKind(int flags) { return flags & (FILTEREDIMAGE | MIPMAPPEDIMAGE); }
int gutterFor(int kind) { return (kind & MIPMAPPEDIMAGE) ? 8 : 2; }

class Backend final : public SpriteBatch::Sink {
public:
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool open = false;
    bool fullScreen = false;
    bool headless = false;  // no screen a person could look at
    int width = 800, height = 600;
    GLuint program = 0, vao = 0, vbo = 0, ibo = 0, fbo = 0, fboTexture = 0, scratchFbo = 0;
    GLint surfaceScaleLoc = -1, blendModeLoc = -1;
    int swapInterval = -1;
    int boundTexture = -1, currentGlBlend = -1;

    TextureAtlas atlas;
    std::vector<GpuTexture> textures;
    std::vector<int> freeTextureSlots;
    std::vector<int> pageTexture;  // atlas page -> texture index
    TImage white;
    SpriteBatch batch{*this};
    FrameStats stats, lastStats;

    // With VORNELL_FPS set, each second of real time prints the frames
    // presented in it and the longest time between two of them (benchmarks).
    struct FrameRateLog {
        using Clock = std::chrono::steady_clock;
        bool on = std::getenv("VORNELL_FPS") != nullptr;
        Clock::time_point secondStart = Clock::now(), last = secondStart;
        int frames = 0;
        double slowestMs = 0;
        void presented() {
            if (!on) return;
            const Clock::time_point now = Clock::now();
            slowestMs = std::max(slowestMs, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            ++frames;
            if (now - secondStart < std::chrono::seconds(1)) return;
            Print("FPS " + std::to_string(frames) + " slowest " + std::to_string(int(slowestMs + 0.5)) + " ms");
            secondStart = now;
            frames = 0;
            slowestMs = 0;
        }
    } frameRate;

    InputScript script;
    bool scripted = false;
    std::string pendingShot;
    std::string shotsDir = ".";

    Backend() { backendAlive = true; }
    ~Backend() override { backendAlive = false; }

    bool openDisplay(int w, int h, bool full, const std::string& title);
    void switchMode(bool full);
    void setWindowIcon();
    bool initGl();
    bool prepare(TImage& image);
    int newTexture(int w, int h, int kind);
    // Empties a texture (every pixel transparent) through a scratch framebuffer.
    void clearTexture(GLuint id);
    // Gives a shared page's texture more room, keeping what it shows.
    void growPage(int texture, int size);
    void uploadOwn(TImage& image);
    // The picture's frames' pixels into the texture at (x, y), premultiplied.
    void uploadPicture(int texture, int x, int y, const TPixmap& picture);
    // A picture on the GPU keeps no copy in main memory, unless the game may
    // read it back (its own texture changes, or it has no file to reload from).
    static void dropPixels(TImage& image);
    void drawRuns(const std::vector<Vertex>& vertices, const std::vector<SpriteBatch::Run>& runs) override;
    void applyBlend(int blend);
    void present(bool vsync);
    void readPixels(int x, int y, TPixmap& out);
    void letterbox(int winW, int winH, int& vx, int& vy, int& vw, int& vh) const;
    void pumpEvents();
    void pushScripted(const ScriptEvent& e);
    void loadScript();
};

Backend& theBackend() {
    static Backend instance;
    return instance;
}

GLuint compile(GLenum kind, const char* source) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        char log[1024];
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        Print(std::string("Shader did not compile: ") + log);
    }
    return shader;
}

bool Backend::openDisplay(int w, int h, bool full, const std::string& title) {
    if (open) {
        if (title.size()) SDL_SetWindowTitle(window, title.c_str());
        switchMode(full);
        return true;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Print(std::string("No display: ") + SDL_GetError());
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    headless = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    width = w;
    height = h;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | (full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, flags);
    if (!window) {
        Print(std::string("No window: ") + SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    context = SDL_GL_CreateContext(window);
    if (!context || !initGl()) {
        Print(std::string("No OpenGL 3.3 context: ") + SDL_GetError());
        if (context) SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        window = nullptr;
        context = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    SDL_SetWindowMinimumSize(window, w / 4, h / 4);
    setWindowIcon();
    SDL_StartTextInput();
    // A run without a real display (the tests) has no window focus to give
    // the pads' events to.
    if (headless) SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    gamepad::start();
    open = true;
    fullScreen = full;
    if (full) switchMode(true);
    loadScript();
    return true;
}

// The game's own icon for the window's frame and the task bar, when the
// content has it.
void Backend::setWindowIcon() {
    const std::optional<std::vector<uint8_t>> bytes = media::readFileBytes("gfx/icons/vornell-64.png");
    const TPixmapPtr icon = bytes ? decodePicture(*bytes) : nullptr;
    if (!icon) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon->pixels.data(), icon->width, icon->height, 32,
                                                              icon->width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!surface) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

void Backend::switchMode(bool full) {
    SDL_SetWindowFullscreen(window, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!full && fullScreen) SDL_SetWindowSize(window, width, height);
    if (full) {
        // Full screen starts with the pointer in the middle of the picture.
        int ww = 0, wh = 0, vx, vy, vw, vh;
        SDL_GetWindowSize(window, &ww, &wh);
        letterbox(ww, wh, vx, vy, vw, vh);
        SDL_WarpMouseInWindow(window, vx + vw / 2, vy + vh / 2);
        inputMouseMove(width / 2, height / 2);
    }
    fullScreen = full;
}

bool Backend::initGl() {
    if (epoxy_gl_version() < 33) return false;
    program = glCreateProgram();
    GLuint vs = compile(GL_VERTEX_SHADER, kVertexShader);
    GLuint fs = compile(GL_FRAGMENT_SHADER, kFragmentShader);
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    glDeleteShader(vs);
    glDeleteShader(fs);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) return false;
    glUseProgram(program);
    surfaceScaleLoc = glGetUniformLocation(program, "surfaceScale");
    blendModeLoc = glGetUniformLocation(program, "blendMode");
    glUniform2f(surfaceScaleLoc, 2.0f / float(width), 2.0f / float(height));
    glUniform1i(glGetUniformLocation(program, "picture"), 0);

    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
    glGenBuffers(1, &vbo);
    glBindBuffer(GL_ARRAY_BUFFER, vbo);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(offsetof(Vertex, x)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), reinterpret_cast<void*>(offsetof(Vertex, u)));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(Vertex),
                          reinterpret_cast<void*>(offsetof(Vertex, color)));
    std::vector<GLuint> indices(SpriteBatch::kMaxQuads * 6);
    for (size_t q = 0; q < SpriteBatch::kMaxQuads; ++q) {
        GLuint b = GLuint(q * 4);
        GLuint* i = &indices[q * 6];
        i[0] = b; i[1] = b + 1; i[2] = b + 2; i[3] = b; i[4] = b + 2; i[5] = b + 3;
    }
    glGenBuffers(1, &ibo);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(GLuint)), indices.data(), GL_STATIC_DRAW);

    // The surface the game draws on.
    glGenTextures(1, &fboTexture);
    glBindTexture(GL_TEXTURE_2D, fboTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glGenFramebuffers(1, &fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, fboTexture, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) return false;
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glActiveTexture(GL_TEXTURE0);

    white.source = TPixmap(4, 4, 0xFFFFFFFFu);
    white.width = white.height = 4;
    white.flags = FILTEREDIMAGE;
    white.frames.push_back({0, 0});
    return true;
}

int Backend::newTexture(int w, int h, int kind) {
    GpuTexture tex;
    tex.width = w;
    tex.height = h;
    tex.kind = kind;
    tex.mipmapped = (kind & MIPMAPPEDIMAGE) != 0;
    glGenTextures(1, &tex.id);
    glBindTexture(GL_TEXTURE_2D, tex.id);
    boundTexture = -1;
    const bool filtered = (kind & FILTEREDIMAGE) != 0;
    GLint minFilter = tex.mipmapped ? (filtered ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST)
                                    : (filtered ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filtered ? GL_LINEAR : GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Shared pages keep 8 pixels between pictures: three smaller copies at most.
    if (tex.mipmapped) glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 3);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, nullptr);
    clearTexture(tex.id);
    int index;
    if (!freeTextureSlots.empty()) {
        index = freeTextureSlots.back();
        freeTextureSlots.pop_back();
        textures[size_t(index)] = tex;
    } else {
        index = int(textures.size());
        textures.push_back(tex);
    }
    return index;
}

void Backend::clearTexture(GLuint id) {
    if (!scratchFbo) glGenFramebuffers(1, &scratchFbo);
    glBindFramebuffer(GL_FRAMEBUFFER, scratchFbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, id, 0);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
}

void Backend::growPage(int texture, int size) {
    // Quads already queued were placed by the page's old size.
    batch.flush();
    const int fresh = newTexture(size, size, textures[size_t(texture)].kind);
    GpuTexture& grown = textures[size_t(fresh)];
    GpuTexture& before = textures[size_t(texture)];  // the vector may have moved
    GLuint read = 0;
    glGenFramebuffers(1, &read);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, read);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, before.id, 0);
    if (!scratchFbo) glGenFramebuffers(1, &scratchFbo);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, scratchFbo);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, grown.id, 0);
    glBlitFramebuffer(0, 0, before.width, before.height, 0, 0, before.width, before.height, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glDeleteFramebuffers(1, &read);
    glDeleteTextures(1, &before.id);
    // The page keeps its texture index, which its pictures' slots name.
    before.id = grown.id;
    before.width = before.height = size;
    before.needsMipmaps = before.mipmapped;
    grown = GpuTexture{};
    freeTextureSlots.push_back(fresh);
    boundTexture = -1;
}

void Backend::uploadPicture(int texture, int x, int y, const TPixmap& picture) {
    std::vector<uint32_t> premultiplied(picture.pixels.size());
    std::transform(picture.pixels.begin(), picture.pixels.end(), premultiplied.begin(), premultiply);
    GpuTexture& tex = textures[size_t(texture)];
    glBindTexture(GL_TEXTURE_2D, tex.id);
    boundTexture = -1;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, picture.width, picture.height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                    premultiplied.data());
    tex.needsMipmaps = tex.mipmapped;
}

void Backend::uploadOwn(TImage& image) {
    GpuTexture& tex = textures[size_t(image.slot.texture)];
    const TPixmap& src = image.source;
    if (tex.width != src.width || tex.height != src.height) {
        glBindTexture(GL_TEXTURE_2D, tex.id);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, src.width, src.height, 0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                     nullptr);
        tex.width = src.width;
        tex.height = src.height;
    }
    uploadPicture(image.slot.texture, 0, 0, src);
}

void Backend::dropPixels(TImage& image) {
    if (image.changing || image.path.empty()) return;
    image.source.pixels = std::vector<uint32_t>();
}

bool Backend::prepare(TImage& image) {
    if (!open) return false;
    if (image.slot.texture >= 0) return true;
    if (image.source.width <= 0 || image.source.height <= 0) return false;
    // The pixels are decoded now, the first time the picture is drawn. A
    // picture broken past its header is given up for good, not read again
    // every frame.
    if (!ensurePixels(image)) {
        Print("Picture does not decode: " + image.path);
        image.source.width = image.source.height = 0;
        return false;
    }
    const int kind = samplingKind(image.flags);
    const int gutter = gutterFor(kind);
    if (!image.changing && atlas.fits(image.source.width, image.source.height, gutter)) {
        const TextureAtlas::Place place = atlas.add(image.source.width, image.source.height, kind, gutter);
        const int size = atlas.pages()[size_t(place.page)].size;
        if (place.newPage) {
            pageTexture.push_back(newTexture(size, size, kind));
            textures[size_t(pageTexture.back())].page = int(pageTexture.size() - 1);
        } else if (place.grownFrom) {
            growPage(pageTexture[size_t(place.page)], size);
        }
        image.slot.texture = pageTexture[size_t(place.page)];
        image.slot.x = place.x;
        image.slot.y = place.y;
        image.slot.ownTexture = false;
        uploadPicture(image.slot.texture, place.x, place.y, image.source);
    } else {
        image.slot.texture = newTexture(image.source.width, image.source.height, kind);
        image.slot.x = image.slot.y = 0;
        image.slot.ownTexture = true;
        uploadOwn(image);
    }
    dropPixels(image);
    return true;
}

void Backend::applyBlend(int blend) {
    if (blend == currentGlBlend) return;
    currentGlBlend = blend;
    glUniform1i(blendModeLoc, blend);
    switch (blend) {
        case MASKBLEND:
        case SOLIDBLEND:
            glDisable(GL_BLEND);
            break;
        case LIGHTBLEND:
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE);
            break;
        case SHADEBLEND:
            glEnable(GL_BLEND);
            glBlendFunc(GL_DST_COLOR, GL_ZERO);
            break;
        default:
            glEnable(GL_BLEND);
            glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
            break;
    }
}

void Backend::drawRuns(const std::vector<Vertex>& vertices, const std::vector<SpriteBatch::Run>& runs) {
    // Textures with new pictures get their smaller copies made first.
    for (const SpriteBatch::Run& run : runs) {
        GpuTexture& tex = textures[size_t(run.texture)];
        if (!tex.needsMipmaps) continue;
        glBindTexture(GL_TEXTURE_2D, tex.id);
        boundTexture = -1;
        glGenerateMipmap(GL_TEXTURE_2D);
        tex.needsMipmaps = false;
    }
    // One fresh store of just this size: the driver never waits for the
    // previous frame, and nothing larger is allocated or cleared.
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(Vertex)), vertices.data(), GL_STREAM_DRAW);
    for (const SpriteBatch::Run& run : runs) {
        if (boundTexture != run.texture) {
            glBindTexture(GL_TEXTURE_2D, textures[size_t(run.texture)].id);
            boundTexture = run.texture;
        }
        applyBlend(run.blend);
        glDrawElementsBaseVertex(GL_TRIANGLES, GLsizei(run.quadCount * 6), GL_UNSIGNED_INT, nullptr,
                                 GLint(run.firstQuad * 4));
        ++stats.drawCalls;
        stats.quads += int(run.quadCount);
    }
}

void Backend::letterbox(int winW, int winH, int& vx, int& vy, int& vw, int& vh) const {
    // The largest 4:3 rectangle that fits, centred.
    if (int64_t(winW) * height >= int64_t(winH) * width) {
        vh = winH;
        vw = int(int64_t(winH) * width / height);
    } else {
        vw = winW;
        vh = int(int64_t(winW) * height / width);
    }
    vx = (winW - vw) / 2;
    vy = (winH - vh) / 2;
}

void Backend::readPixels(int x, int y, TPixmap& out) {
    std::fill(out.pixels.begin(), out.pixels.end(), 0xFF000000u);
    if (!open || out.width <= 0 || out.height <= 0) return;
    batch.flush();
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + out.width, width), y1 = std::min(y + out.height, height);
    if (x0 >= x1 || y0 >= y1) return;
    std::vector<uint32_t> rows(size_t(x1 - x0) * size_t(y1 - y0));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // The framebuffer's rows run bottom to top.
    glReadPixels(x0, height - y1, x1 - x0, y1 - y0, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, rows.data());
    for (int sy = y0; sy < y1; ++sy) {
        const uint32_t* src = &rows[size_t(y1 - 1 - sy) * size_t(x1 - x0)];
        for (int sx = x0; sx < x1; ++sx) out.at(sx - x, sy - y) = src[sx - x0] | 0xFF000000u;
    }
}

void Backend::present(bool vsync) {
    if (!open) return;
    batch.flush();
    if (!pendingShot.empty()) {
        TPixmap shot(width, height);
        readPixels(0, 0, shot);
        std::string path = shotsDir + "/" + pendingShot;
        if (!SavePixmapPNG(shot, path)) Print("Could not write screenshot " + path);
        pendingShot.clear();
    }
    int dw = 0, dh = 0, vx, vy, vw, vh;
    SDL_GL_GetDrawableSize(window, &dw, &dh);
    letterbox(dw, dh, vx, vy, vw, vh);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
    glViewport(0, 0, dw, dh);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlitFramebuffer(0, 0, width, height, vx, vy, vx + vw, vy + vh, GL_COLOR_BUFFER_BIT,
                      (vw == width && vh == height) ? GL_NEAREST : GL_LINEAR);
    int interval = vsync ? 1 : 0;
    if (interval != swapInterval) {
        SDL_GL_SetSwapInterval(interval);
        swapInterval = interval;
    }
    SDL_GL_SwapWindow(window);
    frameRate.presented();
    glBindFramebuffer(GL_FRAMEBUFFER, fbo);
    glViewport(0, 0, width, height);
    lastStats = stats;
    stats = FrameStats{};
}

// SDL keys -> the game's virtual-key numbers.
int virtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return int('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return int(key);
    if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + int(key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return 97 + int(key - SDLK_KP_1);
    switch (key) {
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN: case SDLK_KP_ENTER: return 13;
        case SDLK_PAUSE: return 19;
        case SDLK_CAPSLOCK: return 20;
        case SDLK_ESCAPE: return 27;
        case SDLK_SPACE: return 32;
        case SDLK_PAGEUP: return 33;
        case SDLK_PAGEDOWN: return 34;
        case SDLK_END: return 35;
        case SDLK_HOME: return 36;
        case SDLK_LEFT: return 37;
        case SDLK_UP: return 38;
        case SDLK_RIGHT: return 39;
        case SDLK_DOWN: return 40;
        case SDLK_INSERT: return 45;
        case SDLK_DELETE: return 46;
        case SDLK_KP_0: return 96;
        case SDLK_KP_MULTIPLY: return 106;
        case SDLK_KP_PLUS: return 107;
        case SDLK_KP_MINUS: return 109;
        case SDLK_KP_PERIOD: return 110;
        case SDLK_KP_DIVIDE: return 111;
        case SDLK_LSHIFT: return 160;
        case SDLK_RSHIFT: return 161;
        case SDLK_LCTRL: return 162;
        case SDLK_RCTRL: return 163;
        case SDLK_LALT: return 164;
        case SDLK_RALT: return 165;
        case SDLK_SEMICOLON: return 186;
        case SDLK_EQUALS: return 187;
        case SDLK_COMMA: return 188;
        case SDLK_MINUS: return 189;
        case SDLK_PERIOD: return 190;
        case SDLK_SLASH: return 191;
        case SDLK_BACKQUOTE: return 192;
        case SDLK_LEFTBRACKET: return 219;
        case SDLK_BACKSLASH: return 220;
        case SDLK_RIGHTBRACKET: return 221;
        case SDLK_QUOTE: return 222;
        default: return 0;
    }
}

// SDL buttons -> 1 left, 2 right, 3 middle.
int gameButton(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT: return 1;
        case SDL_BUTTON_RIGHT: return 2;
        case SDL_BUTTON_MIDDLE: return 3;
        default: return 0;
    }
}

void Backend::loadScript() {
    if (const char* dir = std::getenv("VORNELL_SHOTS")) shotsDir = dir;
    const char* path = std::getenv("VORNELL_INPUT");
    if (!path || !*path) return;
    // A recording played back brings its own input and screenshots.
    if (replay::replaying()) return;
    std::string error;
    bool ok = script.load(path, error);
    for (const ScriptEvent& e : script.events()) {
        if (!ok) break;
        if ((e.kind == ScriptEvent::KeyDown || e.kind == ScriptEvent::KeyUp) &&
            SDL_GetKeyFromName(e.text.c_str()) == SDLK_UNKNOWN) {
            error = "input script line " + std::to_string(e.line) + ": unknown key name '" + e.text + "'";
            ok = false;
        }
    }
    if (!ok) {
        Print(error);
        std::exit(2);
    }
    script.start(harnessClock());
    scripted = true;
}

void Backend::pushScripted(const ScriptEvent& e) {
    SDL_Event ev;
    std::memset(&ev, 0, sizeof ev);
    Uint32 windowId = SDL_GetWindowID(window);
    switch (e.kind) {
        case ScriptEvent::Move: {
            // Surface position -> window position, so the real mapping brings it back.
            int ww = 0, wh = 0, vx, vy, vw, vh;
            SDL_GetWindowSize(window, &ww, &wh);
            letterbox(ww, wh, vx, vy, vw, vh);
            ev.type = SDL_MOUSEMOTION;
            ev.motion.windowID = windowId;
            ev.motion.x = vx + int((double(e.x) + 0.5) * vw / width);
            ev.motion.y = vy + int((double(e.y) + 0.5) * vh / height);
            break;
        }
        case ScriptEvent::Press:
        case ScriptEvent::Release:
            ev.type = e.kind == ScriptEvent::Press ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            ev.button.windowID = windowId;
            ev.button.button = Uint8(e.button == 1 ? SDL_BUTTON_LEFT : e.button == 2 ? SDL_BUTTON_RIGHT : SDL_BUTTON_MIDDLE);
            ev.button.state = e.kind == ScriptEvent::Press ? SDL_PRESSED : SDL_RELEASED;
            break;
        case ScriptEvent::KeyDown:
        case ScriptEvent::KeyUp: {
            SDL_Keycode key = SDL_GetKeyFromName(e.text.c_str());
            ev.type = e.kind == ScriptEvent::KeyDown ? SDL_KEYDOWN : SDL_KEYUP;
            ev.key.windowID = windowId;
            ev.key.state = e.kind == ScriptEvent::KeyDown ? SDL_PRESSED : SDL_RELEASED;
            ev.key.keysym.sym = key;
            ev.key.keysym.scancode = SDL_GetScancodeFromKey(key);
            break;
        }
        case ScriptEvent::Type: {
            // Text events carry at most 31 bytes; cut only between characters.
            size_t pos = 0;
            while (pos < e.text.size()) {
                size_t len = std::min<size_t>(e.text.size() - pos, SDL_TEXTINPUTEVENT_TEXT_SIZE - 1);
                while (len > 0 && pos + len < e.text.size() && (uint8_t(e.text[pos + len]) & 0xC0) == 0x80) --len;
                SDL_Event text;
                std::memset(&text, 0, sizeof text);
                text.type = SDL_TEXTINPUT;
                text.text.windowID = windowId;
                std::memcpy(text.text.text, e.text.data() + pos, len);
                SDL_PushEvent(&text);
                pos += len;
            }
            return;
        }
        case ScriptEvent::Shot:
            backend::requestShot(e.text);
            return;
        case ScriptEvent::WaitFile:  // held inside the script itself
        case ScriptEvent::WaitText:
        case ScriptEvent::RepeatStart:
        case ScriptEvent::RepeatEnd:
            return;
        case ScriptEvent::PadPlug:
        case ScriptEvent::PadUnplug:
        case ScriptEvent::PadDown:
        case ScriptEvent::PadUp:
        case ScriptEvent::Stick:
            gamepad::scripted(e);
            return;
        case ScriptEvent::Close:
        case ScriptEvent::Blur:
        case ScriptEvent::Focus:
            ev.type = SDL_WINDOWEVENT;
            ev.window.windowID = windowId;
            ev.window.event = Uint8(e.kind == ScriptEvent::Close  ? SDL_WINDOWEVENT_CLOSE
                                    : e.kind == ScriptEvent::Blur ? SDL_WINDOWEVENT_FOCUS_LOST
                                                                  : SDL_WINDOWEVENT_FOCUS_GAINED);
            break;
    }
    SDL_PushEvent(&ev);
}

void Backend::pumpEvents() {
    if (!open) return;
    if (scripted) {
        // Lines after a screenshot wait until it is taken, so a shot followed
        // at once by a key that ends the screen still shows that screen.
        while (pendingShot.empty()) {
            const ScriptEvent* e = script.nextDue(harnessClock());
            if (!e) break;
            pushScripted(*e);
        }
        // A screen that never came: the run cannot go on as its script meant.
        // Out at once, without tearing the game down in the middle of a frame.
        if (!script.failure().empty()) {
            Print(script.failure());
            std::_Exit(3);
        }
    }
    SDL_Event ev;
    while (SDL_PollEvent(&ev)) {
        const bool closing =
            ev.type == SDL_QUIT || (ev.type == SDL_WINDOWEVENT && ev.window.event == SDL_WINDOWEVENT_CLOSE);
        if (!closing && replay::replaying()) continue;
        switch (ev.type) {
            case SDL_KEYDOWN: {
                int code = virtualKey(ev.key.keysym.sym);
                if (code) inputKeyDown(code);
                // Backspace and Enter reach the typed-character queue as well.
                if (code == 8 || code == 13) inputChar(code);
                break;
            }
            case SDL_KEYUP: {
                int code = virtualKey(ev.key.keysym.sym);
                if (code) inputKeyUp(code);
                break;
            }
            case SDL_TEXTINPUT:
                for (char32_t c : fromUtf8(ev.text.text)) inputChar(int(c));
                break;
            case SDL_MOUSEMOTION: {
                int ww = 0, wh = 0, vx, vy, vw, vh;
                SDL_GetWindowSize(window, &ww, &wh);
                letterbox(ww, wh, vx, vy, vw, vh);
                if (vw > 0 && vh > 0) {
                    int x = int((int64_t(ev.motion.x) - vx) * width / vw);
                    int y = int((int64_t(ev.motion.y) - vy) * height / vh);
                    inputMouseMove(std::clamp(x, 0, width - 1), std::clamp(y, 0, height - 1));
                }
                break;
            }
            case SDL_MOUSEBUTTONDOWN:
                inputMouseDown(gameButton(ev.button.button));
                break;
            case SDL_MOUSEBUTTONUP:
                inputMouseUp(gameButton(ev.button.button));
                break;
            case SDL_MOUSEWHEEL:
                inputWheel(ev.wheel.y);
                break;
            case SDL_WINDOWEVENT:
                if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST || ev.window.event == SDL_WINDOWEVENT_MINIMIZED)
                    inputFocusLost();
                if (ev.window.event == SDL_WINDOWEVENT_CLOSE) inputCloseRequest();
                break;
            case SDL_QUIT:
                inputCloseRequest();
                break;
            default:
                gamepad::handle(ev);
                break;
        }
    }
}

}  // namespace

namespace backend {

bool openDisplay(int width, int height, bool fullScreen, const std::string& title) {
    return theBackend().openDisplay(width, height, fullScreen, title);
}

bool displayOpen() { return backendAlive && theBackend().open; }
bool displayIsFullScreen() { return displayOpen() && theBackend().fullScreen; }

bool prepareTexture(TImage& image) { return backendAlive && theBackend().prepare(image); }

void textureChanged(TImage& image) {
    if (!displayOpen() || image.slot.texture < 0) return;
    Backend& b = theBackend();
    if (image.slot.ownTexture) {
        b.batch.flush();  // quads already queued were made for the old picture
        b.uploadOwn(image);
    }
}

void forgetTexture(TImage& image) {
    if (!backendAlive || image.slot.texture < 0) return;
    if (image.slot.ownTexture) {
        releaseTexture(image);
        return;
    }
    // Its place on a shared page is left unused: pages do not give places back.
    Backend& b = theBackend();
    if (b.open) b.batch.flush();
    image.slot.texture = -1;
}

void releaseTexture(TImage& image) {
    if (!backendAlive || image.slot.texture < 0 || !image.slot.ownTexture) return;
    Backend& b = theBackend();
    if (!b.open) return;
    b.batch.flush();
    GpuTexture& tex = b.textures[size_t(image.slot.texture)];
    glDeleteTextures(1, &tex.id);
    if (b.boundTexture == image.slot.texture) b.boundTexture = -1;
    tex = GpuTexture{};
    b.freeTextureSlots.push_back(image.slot.texture);
    image.slot.texture = -1;
}

void textureScale(int texture, float& invWidth, float& invHeight) {
    const Backend& b = theBackend();
    const GpuTexture& tex = b.textures[size_t(texture)];
    invWidth = 1.0f / float(tex.width);
    invHeight = 1.0f / float(tex.height);
}

const TextureSlot* whiteTexel() {
    if (!displayOpen()) return nullptr;
    Backend& b = theBackend();
    if (!b.prepare(b.white)) return nullptr;
    return &b.white.slot;
}

void drawQuad(int texture, int blend, const Vertex corners[4]) {
    if (displayOpen()) theBackend().batch.add(texture, blend, corners);
}

void clear(int r, int g, int b) {
    if (!displayOpen()) return;
    theBackend().batch.flush();
    glClearColor(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void present(bool waitForVerticalBlank) {
    if (displayOpen()) theBackend().present(waitForVerticalBlank);
}

void readPixels(int x, int y, TPixmap& out) {
    if (backendAlive) {
        theBackend().readPixels(x, y, out);
    } else {
        std::fill(out.pixels.begin(), out.pixels.end(), 0xFF000000u);
    }
}

FrameStats lastFrameStats() { return backendAlive ? theBackend().lastStats : FrameStats{}; }

void flush() {
    if (displayOpen()) theBackend().batch.flush();
}

void finish() {
    if (!displayOpen()) return;
    theBackend().batch.flush();
    glFinish();
}

void requestShot(const std::string& name) {
    if (!backendAlive) return;
    theBackend().pendingShot = name;
    replay::event('s', 0, 0, name);
}

void pumpEvents() {
    if (backendAlive) theBackend().pumpEvents();
}

void consoleLine(const std::string& text) {
    if (backendAlive && theBackend().scripted) theBackend().script.heard(text);
}

void setCursorVisible(bool visible) {
    if (displayOpen()) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

bool showMessageBox(const std::string& text) {
    if (!displayOpen()) return false;
    Backend& b = theBackend();
    if (b.headless || b.scripted) return false;
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "Vornell", text.c_str(), b.window) == 0;
}

}  // namespace backend
}  // namespace media
