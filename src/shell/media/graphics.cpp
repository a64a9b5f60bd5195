#include "shell/media/graphics.h"

#include <cmath>
#include <cstdlib>

#include "shell/media/audio.h"
#include "shell/media/backend.h"
#include "shell/media/clock.h"
#include "shell/media/files.h"
#include "shell/media/frame_pacer.h"
#include "shell/media/messages.h"
#include "shell/media/replay.h"

namespace {

struct DrawState {
    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int blend = MASKBLEND;
    float rotation = 0.0f;
    float sx = 1.0f, sy = 1.0f;
    // Rotation and scale as a matrix, refreshed when either changes.
    float m00 = 1, m01 = 0, m10 = 0, m11 = 1;
    int clsR = 0, clsG = 0, clsB = 0;
    TImageFontPtr font;
    uint32_t packed = media::packColor(255, 255, 255, 1.0f);
};

DrawState state;
std::string appTitle = "Vornell";
int surfaceWidth = 0, surfaceHeight = 0;
int displayHertz = 0;
media::FramePacer pacer;
media::VblankWatch vblankWatch;

void refreshMatrix() {
    double rad = double(state.rotation) * M_PI / 180.0;
    float c = float(std::cos(rad)), s = float(std::sin(rad));
    state.m00 = c * state.sx;
    state.m01 = -s * state.sy;
    state.m10 = s * state.sx;
    state.m11 = c * state.sy;
}

void refreshColor() { state.packed = media::packColor(state.r, state.g, state.b, state.alpha); }

int clampByte(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

// Emits one textured quad: the w x h region at (sx, sy) of the image's source
// picture, handle (hx, hy) on (x, y).
void emitQuad(TImage& image, int srcX, int srcY, float w, float h, float x, float y, float hx, float hy) {
    if (!media::backend::prepareTexture(image)) return;
    const media::TextureSlot& slot = image.slot;
    media::Quad q = media::transformedQuad(x, y, w, h, hx, hy);
    float iw, ih;
    media::backend::textureScale(slot.texture, iw, ih);
    float u0 = float(slot.x + srcX) * iw, v0 = float(slot.y + srcY) * ih;
    float u1 = float(slot.x + srcX + w) * iw, v1 = float(slot.y + srcY + h) * ih;
    media::Vertex v[4] = {
        {q.x[0], q.y[0], u0, v0, state.packed},
        {q.x[1], q.y[1], u1, v0, state.packed},
        {q.x[2], q.y[2], u1, v1, state.packed},
        {q.x[3], q.y[3], u0, v1, state.packed},
    };
    media::backend::drawQuad(slot.texture, state.blend, v);
}

void emitSolid(const float xs[4], const float ys[4]) {
    const media::TextureSlot* white = media::backend::whiteTexel();
    if (!white) return;
    float iw, ih;
    media::backend::textureScale(white->texture, iw, ih);
    float u = (float(white->x) + 0.5f) * iw, v = (float(white->y) + 0.5f) * ih;
    media::Vertex vs[4];
    for (int i = 0; i < 4; ++i) vs[i] = {xs[i], ys[i], u, v, state.packed};
    media::backend::drawQuad(white->texture, state.blend, vs);
}

TImageFont& currentFont() {
    if (state.font) return *state.font;
    static TImageFontPtr builtIn = TImageFont::builtIn();
    return *builtIn;
}

}  // namespace

namespace media {

Quad transformedQuad(float x, float y, float w, float h, float hx, float hy) {
    const float lx[4] = {-hx, w - hx, w - hx, -hx};
    const float ly[4] = {-hy, -hy, h - hy, h - hy};
    Quad q;
    for (int i = 0; i < 4; ++i) {
        q.x[i] = x + state.m00 * lx[i] + state.m01 * ly[i];
        q.y[i] = y + state.m10 * lx[i] + state.m11 * ly[i];
    }
    return q;
}

void currentTransform(float m[4]) {
    m[0] = state.m00;
    m[1] = state.m01;
    m[2] = state.m10;
    m[3] = state.m11;
}

}  // namespace media

void SetAppTitle(const std::string& title) { appTitle = title; }

namespace {
// On the virtual clock a run may ask for fewer pictures a second of game time
// (VORNELL_HZ, 10 up to the display's rate): long scripted runs cost less,
// and everything still moves by the clock.
int pacedHertz(int hertz) {
    const char* asked = std::getenv("VORNELL_HZ");
    if (!media::clockIsVirtual() || !asked || !*asked) return hertz;
    const int n = std::atoi(asked);
    return n >= 10 && n < hertz ? n : hertz;
}
}  // namespace

bool Graphics(int width, int height, int depth, int hertz, int /*flags*/) {
    const bool fullScreen = depth != 0;
    if (!media::backend::openDisplay(width, height, fullScreen, appTitle)) return false;
    surfaceWidth = width;
    surfaceHeight = height;
    displayHertz = pacedHertz(hertz);
    pacer.start(displayHertz, media::harnessClock());
    vblankWatch.start(displayHertz);
    return true;
}

bool GraphicsOpen() { return media::backend::displayOpen(); }
int GraphicsWidth() { return surfaceWidth; }
int GraphicsHeight() { return surfaceHeight; }

void Flip(int sync) {
    media::replay::frameEnd();
    // Once a frame: music streams are topped up and finished channels freed.
    media::audioUpdate();
    if (!media::backend::displayOpen()) return;
    bool vblank = sync == 1;
    if (sync == -1 && displayHertz != 0) {
        // Full screen waits for the vertical blank, a window is paced in
        // software, and so is full screen where the vertical blank turns out
        // not to pace. The virtual clock only moves through the pacer. Pacing
        // is no reading of the game's: a recorded session replays the same
        // whichever way its frames are paced.
        if (media::backend::displayIsFullScreen() && !media::clockIsVirtual() && vblankWatch.paces()) {
            media::backend::present(true);
            vblankWatch.presented(media::harnessClock());
            if (!vblankWatch.paces()) Print("FRAMES : the vertical blank does not pace them; paced in software");
            return;
        }
        Delay(pacer.nextWait(media::harnessClock()));
    }
    media::backend::present(vblank);
}

void Cls() { media::backend::clear(state.clsR, state.clsG, state.clsB); }

void SetClsColor(int r, int g, int b) {
    state.clsR = clampByte(r);
    state.clsG = clampByte(g);
    state.clsB = clampByte(b);
}

void SetColor(int r, int g, int b) {
    state.r = clampByte(r);
    state.g = clampByte(g);
    state.b = clampByte(b);
    refreshColor();
}

void GetColor(int& r, int& g, int& b) {
    r = state.r;
    g = state.g;
    b = state.b;
}

void SetAlpha(float alpha) {
    state.alpha = alpha < 0 ? 0 : alpha > 1 ? 1 : alpha;
    refreshColor();
}

float GetAlpha() { return state.alpha; }

void SetBlend(int mode) {
    if (mode >= MASKBLEND && mode <= SHADEBLEND) state.blend = mode;
}

int GetBlend() { return state.blend; }

void SetRotation(float degrees) {
    state.rotation = degrees;
    refreshMatrix();
}

float GetRotation() { return state.rotation; }

void SetScale(float sx, float sy) {
    state.sx = sx;
    state.sy = sy;
    refreshMatrix();
}

void GetScale(float& sx, float& sy) {
    sx = state.sx;
    sy = state.sy;
}

void SetImageFont(const TImageFontPtr& font) { state.font = font; }
TImageFontPtr GetImageFont() { return state.font; }

void DrawImage(const TImagePtr& image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= image->frameCount()) return;
    const TImage::Frame& f = image->frames[size_t(frame)];
    emitQuad(*image, f.x, f.y, float(image->width), float(image->height), x, y, image->handle_x, image->handle_y);
}

void DrawRect(float x, float y, float w, float h) {
    media::Quad q = media::transformedQuad(x, y, w, h, 0, 0);
    emitSolid(q.x, q.y);
}

void DrawLine(float x1, float y1, float x2, float y2, int lastPixel) {
    // Scale and rotation act around the first point; the line stays one pixel wide.
    float dx = x2 - x1, dy = y2 - y1;
    float ex = x1 + state.m00 * dx + state.m01 * dy;
    float ey = y1 + state.m10 * dx + state.m11 * dy;
    float sx = x1 + 0.5f, sy = y1 + 0.5f;
    ex += 0.5f;
    ey += 0.5f;
    float len = std::sqrt((ex - sx) * (ex - sx) + (ey - sy) * (ey - sy));
    float ux = 1, uy = 0;
    if (len > 0) {
        ux = (ex - sx) / len;
        uy = (ey - sy) / len;
    }
    float tail = lastPixel ? 0.5f : -0.5f;  // the end pixel is covered, or left out
    float ax = sx - ux * 0.5f, ay = sy - uy * 0.5f;
    float bx = ex + ux * tail, by = ey + uy * tail;
    float nx = -uy * 0.5f, ny = ux * 0.5f;
    const float xs[4] = {ax + nx, bx + nx, bx - nx, ax - nx};
    const float ys[4] = {ay + ny, by + ny, by - ny, ay - ny};
    emitSolid(xs, ys);
}

void DrawText(const std::string& text, float x, float y) {
    TImageFont& font = currentFont();
    std::u32string chars = media::fromUtf8(text);
    // Render every glyph first so the atlas is complete before it is placed.
    for (char32_t c : chars) font.glyph(c);
    const TImagePtr& atlas = font.atlas();
    if (font.atlasChanged()) {
        media::backend::textureChanged(*atlas);
        font.clearAtlasChanged();
    }
    float pen = 0;
    for (char32_t c : chars) {
        const TImageFont::Glyph& g = font.glyph(c);
        if (g.w > 0 && g.h > 0) {
            // Glyph quad relative to the text's origin, placed by the current matrix.
            emitQuad(*atlas, g.x, g.y, float(g.w), float(g.h), x, y, -(pen + float(g.left)),
                     -float(g.top));
        }
        pen += float(g.advance);
    }
}

int TextWidth(const std::string& text) { return currentFont().textWidth(text); }

int TextHeight(const std::string& /*text*/) { return currentFont().height(); }
