#pragma once
// Pictures drawn from their SVG sources when the program is built (res/ui/RasterisePictures.cpp):
// the ones start-up shows, at the sizes it shows them, so that start-up does not read and draw
// SVG for them. Each is exactly what drawing the SVG at that size and pixel ratio 1 gives.

#include <cstdint>
#include <span>

namespace tsw::ui {

struct PrerenderedPicture {
    const char* resourcePath; // the SVG it was drawn from (":/pictures/splash.svg")
    int width;                // device pixels
    int height;
    const std::uint32_t* pixels; // premultiplied ARGB32, row by row
};

std::span<const PrerenderedPicture> prerenderedPictures();

} // namespace tsw::ui
