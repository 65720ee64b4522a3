#pragma once
// The program's pictures, decoded from resources/art/*.xpm when the program is
// built (tarmigo-pack-art) and compiled in as 32-bit pixels, so that a start
// reads them in place instead of parsing XPM text.
#include <QImage>

#include <cstdint>
#include <string_view>

namespace tarmigo {

struct PackedPicture {
    std::string_view name; // the XPM's file name without ".xpm": "101", "icon32"
    int width;
    int height;
    bool opaque; // Format_RGB32 (board pictures) or Format_ARGB32 (with transparency)
    const std::uint32_t* pixels;
};

// Every packed picture; empty in a build without the art.
struct PackedArt {
    const PackedPicture* pictures;
    int count;
};
PackedArt packedArt();

// The picture of that name, sharing the compiled-in pixels (no copy), or a null
// image when there is none.
QImage packedPicture(std::string_view name);

} // namespace tarmigo
