#pragma once
// JPEG files for the large painted scenes: written from a cairo surface
// (opaque; any transparency is laid over black) and read back for the
// contact sheet.
#include <cairo.h>

#include <string>

namespace art {

// False when the file cannot be written.
bool saveJpeg(cairo_surface_t* surface, const std::string& path, int quality = 90);
// An image surface of the file; its status is an error when it cannot be read.
cairo_surface_t* loadJpeg(const std::string& path);

}  // namespace art
