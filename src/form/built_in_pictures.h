#pragma once

#include <cstddef>

// The pictures the main window shows at start-up, built into the program with their pixels
// ready to draw (made from resources/ by tools/imagegen's zf_embed_pictures), so that neither a
// PNG decoder nor the toolkit's image plugins run before its first frame. Rows are packed: a
// row is width 32-bit words, 0xffRRGGBB for an opaque picture, premultiplied ARGB otherwise.
struct BuiltInPicture {
    const char *path; // its name among the resources, ":/card.png"
    int width, height;
    bool opaque;
    const char *pixels;
};

extern const BuiltInPicture BuiltInPictures[];
extern const std::size_t BuiltInPictureCount;
