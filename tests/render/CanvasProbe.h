#pragma once

#include <cstdint>
#include <string_view>

#include "render/Canvas.h"

namespace quindel::test {

// The picture by name, decoded and converted to the canvas's format; null if missing.
SDL_Surface* decodedPicture(std::string_view name);
std::uint32_t picturePixel(SDL_Surface* picture, int x, int y);

// Whether the canvas shows the w x h rectangle of the picture at (sx, sy) at (x, y).
bool shows(const Canvas& canvas, std::string_view picture, int sx, int sy, int w, int h, int x, int y);
bool showsSquare(const Canvas& canvas, std::string_view picture, int x, int y);

// Paints the canvas in one colour outside the drawing operations and forgets
// that as a change, so tests see exactly what an operation drew.
void paintCanvas(Canvas& canvas, std::uint32_t rgb);
bool untouched(const Canvas& canvas, int x, int y, int w, int h, std::uint32_t rgb);

}  // namespace quindel::test
