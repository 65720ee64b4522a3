#pragma once
// The pictures the board draws, by resource id, and the size of a card picture.
// A card face's bitmap id is its card code; these are the pictures beside them.
namespace tarmigo {

constexpr int CardBackBitmap = 101;
constexpr int GreyCardBitmap = 122;
constexpr int RedCarBitmap = 123;
constexpr int BlueCarBitmap = 124;
constexpr int FlagBitmap = 125;
constexpr int ButtonStripBitmap = 127;

constexpr int CardWidth = 18;
constexpr int CardHeight = 26;

} // namespace tarmigo
