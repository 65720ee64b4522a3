#pragma once
// All the board drawing goes through this small surface interface.
#include "board/bitmaps.h"
#include "board/layout.h"
#include "game/strings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarmigo {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colors {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb LightGrey{192, 192, 192};
inline constexpr Rgb Blue{136, 136, 255};  // header of the current player
inline constexpr Rgb Green{136, 255, 136}; // battle area of a moving player
inline constexpr Rgb Red{255, 136, 136};   // the discard-armed square
} // namespace colors

enum class Pen { Null, Black, White };
enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Bottom };

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // With a pen: the box left..right-1, top..bottom-1 is filled with the brush and
    // outlined with the pen. With the null pen only the fill, one pixel narrower and
    // one pixel lower (left..right-2, top..bottom-2).
    virtual void fillRect(const Rect& r, Rgb brush, Pen pen) = 0;
    // Copies a bitmap (by resource id) to the w x h box at (x, y). With a tint
    // (a bitmap id, 0 for none) the tint is copied first and the bitmap ORed onto it.
    virtual void drawBitmap(int bitmapId, int tintId, int x, int y, int w, int h) = 0;
    virtual void invertRect(int x, int y, int w, int h) = 0;
    // One line of black text, clipped to r, painted opaque on the background colour.
    virtual void drawText(std::string_view text, const Rect& r, HAlign h, VAlign v) = 0;
    virtual void setBackground(Rgb colour) = 0;
    virtual Rgb background() const = 0;
    // One save buffer: saveBlock copies the w x h block at (x, y) into it,
    // restoreBlock copies it back with its top-left corner at (x, y).
    virtual void saveBlock(int x, int y, int w, int h) = 0;
    virtual void restoreBlock(int x, int y) = 0;

    // The text of a string id in the language this surface shows (UTF-8), empty for an
    // id with no text. The board draws its labels and messages by id through it, and
    // fills a message's number into the text it gets; English unless overridden.
    virtual std::string text(int id) const {
        const char* english = stringText(id);
        return english ? english : "";
    }
    // The width of a line of text in board pixels as drawText would draw it; 0 where the
    // surface cannot tell, and the board then draws each text on one line.
    virtual int textWidth(std::string_view /*text*/) const { return 0; }
};

} // namespace tarmigo
