// Taps: where each lands and how often the status line is repainted (the rest of what a
// tap does is pinned by tests/replay/taps-*.script).
#include "support/position.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tarmigo;
using namespace tarmigo::testing;

// Each message a tap shows is repainted at once, as is each of the computer's attempts.
TEST(Taps, EachMessageIsRepaintedAtOnce) {
    struct Row {
        const char* position;
        int taps; // all at (x, y)
        int x;
        int y;
        int repaints;
    };
    constexpr Row Rows[] = {
        {"hand=l", 1, 20, 100, 1},  // the board
        {"hand=l", 2, 200, 229, 2}, // the draw pile
        {"go hand=f | | one turn=1 deck=101", 1, 0, 0, 20},
        {"go hand=f | hand=uvwx | one turn=1 deck=101", 1, 0, 0, 16},
    };
    for (const Row& row : Rows) {
        Position pos;
        pos.set(row.position);
        for (int i = 0; i < row.taps; ++i) pos.tap(row.x, row.y);
        EXPECT_EQ(std::count(pos.host.invalidated.begin(), pos.host.invalidated.end(),
                             pos.g.layout.statusRect()),
                  row.repaints)
            << row.position;
    }
}

// Where a tap lands: hand slots 1..7 (with the column to the right), 16 the deck area,
// 18 the score panel strip, 19 the board, 20 the status line, 0 nothing; also off screen.
TEST(Taps, EachPositionHitsItsPlace) {
    constexpr int Hits[][3] = {
        {5, 219, 1},     {23, 245, 1},     {4, 230, 0},      {143, 219, 7},  {161, 245, 7},
        {142, 230, 0},   {10, 214, 19},    {10, 218, 0},     {10, 246, 0},   {171, 214, 16},
        {239, 250, 16},  {200, 230, 16},   {170, 230, 0},    {171, 213, 19}, {171, 251, 20},
        {0, 0, 18},      {104, 29, 18},    {136, 29, 18},    {105, 10, 0},   {135, 10, 0},
        {104, 30, 19},   {0, 30, 19},      {136, 214, 19},   {120, 100, 0},  {5, 250, 0},
        {5, 251, 20},    {120, 293, 20},   {5, 294, 0},      {20, -40, 18},  {-32768, -32768, 18},
        {32767, 10, 18}, {120, -32768, 0}, {32767, 230, 16}, {-5, 230, 0},   {-32768, 100, 19},
        {100, 32767, 0},
    };
    Position pos;
    for (auto [x, y, place] : Hits) EXPECT_EQ(hitTest(pos.g.layout, x, y), place) << x << "," << y;
}
