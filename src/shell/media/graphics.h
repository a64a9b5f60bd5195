#pragma once
// The one 800 x 600 drawing surface and its global draw state.
#include <string>

#include "shell/media/font.h"
#include "shell/media/image.h"

enum BlendMode : int { MASKBLEND = 1, SOLIDBLEND = 2, ALPHABLEND = 3, LIGHTBLEND = 4, SHADEBLEND = 5 };

// Set before the display opens; shown in the window's title bar.
void SetAppTitle(const std::string& title);

// Depth 0: a window of width x height; depth 32: full screen (desktop-sized,
// the picture scaled and letterboxed). Opening again switches mode; images and
// fonts stay usable. False when no display could be opened.
bool Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
// Presents the frame. -1: paced (software pacer in a window, vertical blank in
// full screen), 1 always waits for the vertical blank, 0 never.
void Flip(int sync = -1);
void Cls();
void SetClsColor(int r, int g, int b);

void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
// 1 mask, 2 solid, 3 alpha, 4 light, 5 shade; any other value keeps the mode in force.
void SetBlend(int mode);
int GetBlend();
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
// None selects the built-in font.
void SetImageFont(const TImageFontPtr& font);
TImageFontPtr GetImageFont();

void DrawImage(const TImagePtr& image, float x, float y, int frame = 0);
void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2, int lastPixel = 1);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

namespace media {
// The four corners of a w x h quad whose handle (hx, hy) lands on (x, y),
// under the current scale and rotation. Order: top-left, top-right,
// bottom-right, bottom-left.
struct Quad { float x[4], y[4]; };
Quad transformedQuad(float x, float y, float w, float h, float hx, float hy);
// The current scale and rotation as a 2 x 2 matrix (row-major).
void currentTransform(float m[4]);
}  // namespace media
