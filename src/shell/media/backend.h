#pragma once
// What the media layer's front end needs from a window and GPU back end. Only
// the back-end files talk to SDL and OpenGL.
#include <cstdint>
#include <string>

#include "shell/media/image.h"

namespace media {

// One corner of a quad: surface position, texture position, colour as RGBA bytes.
struct Vertex {
    float x, y, u, v;
    uint32_t color;
};

inline uint32_t packColor(int r, int g, int b, float alpha) {
    auto clampByte = [](float v) { return uint32_t(v < 0 ? 0 : v > 255 ? 255 : v + 0.5f); };
    return clampByte(float(r)) | (clampByte(float(g)) << 8) | (clampByte(float(b)) << 16) |
           (clampByte(alpha * 255.0f) << 24);
}

struct FrameStats {
    int drawCalls = 0;
    int quads = 0;
};

namespace backend {

// Opens (or switches) the display. False when no display can be had; the
// layer then goes on without drawing.
bool openDisplay(int width, int height, bool fullScreen, const std::string& title);
bool displayOpen();
bool displayIsFullScreen();

// Places the image's pixels on the GPU when needed; false when nothing can be drawn.
bool prepareTexture(TImage& image);
// The image's pixels changed (a growing glyph atlas): upload them again.
void textureChanged(TImage& image);
void releaseTexture(TImage& image);
// The image is placed anew, from its file, the next time it is drawn.
void forgetTexture(TImage& image);
// Texture coordinates per pixel of a texture (pages grow, so this is asked
// at every draw rather than kept).
void textureScale(int texture, float& invWidth, float& invHeight);
// A texel of pure white for rectangles and lines.
const TextureSlot* whiteTexel();

void drawQuad(int texture, int blend, const Vertex corners[4]);
void clear(int r, int g, int b);
// Flushes, shows the frame (scaled and letterboxed into the window) and
// starts the next one.
void present(bool waitForVerticalBlank);
void readPixels(int x, int y, TPixmap& out);
FrameStats lastFrameStats();
// Hands every queued quad to the GPU without waiting for it.
void flush();
// Waits until the GPU has finished everything submitted (benchmarks).
void finish();

// Window and input events into the input state (and scripted input). While
// a recording is played back, only a close request is taken from the window.
void pumpEvents();
// A line the game printed on its console, which a scripted run may wait for.
void consoleLine(const std::string& text);
// A PNG of the next presented frame, into the screenshots folder.
void requestShot(const std::string& name);
void setCursorVisible(bool visible);
// False when there is no display to show a message box on.
bool showMessageBox(const std::string& text);

}  // namespace backend
}  // namespace media
