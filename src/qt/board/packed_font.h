#pragma once
// The board font, rasterised when the program is built (tarmigo-pack-font) at the
// zooms most screens use, and compiled in: a start draws its text from these masks
// instead of loading the system's font configuration and the font file. The masks
// are the ones Qt's own text drawing produces, so both draw the same pixels.
#include <cstddef>
#include <cstdint>

namespace tarmigo {

// One coverage mask: an 8-bit image of the ink, placed relative to the whole pixel
// of the pen and to the baseline (top is negative above it).
struct PackedMask {
    std::int16_t left;
    std::int16_t top;
    std::uint16_t width;
    std::uint16_t height;
    std::uint32_t offset; // of its first byte in the size's coverage
};

// A glyph: one character, or the few that a ligature joins.
struct PackedGlyph {
    const char16_t* text; // UTF-16, zero-terminated
    std::int32_t advance; // in 1/64 pixel
    // The mask drawn when the pen stands at each 1/64 of a pixel, as an index into the
    // size's masks; -1 for a glyph without ink.
    std::int32_t firstMask;
    std::uint8_t maskAt[64];
};

// A correction of the distance between two glyphs (indexes), in 1/64 pixel.
struct PackedKerning {
    std::uint16_t first;
    std::uint16_t second;
    std::int16_t adjust;
};

struct PackedFontSize {
    int zoom;
    int ascent;
    int height;
    int underlinePosition;
    int lineWidth;
    const PackedGlyph* glyphs; // sorted by text
    int glyphCount;
    const PackedMask* masks;
    const std::uint8_t* coverage;
    std::size_t coverageSize;     // in bytes
    const PackedKerning* kerning; // sorted by first, then second
    int kerningCount;
};

struct PackedFont {
    const PackedFontSize* sizes;
    int count;
};
// Every packed size; none in a build where the board font could not be rasterised.
PackedFont packedFont();

} // namespace tarmigo
