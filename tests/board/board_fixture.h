#pragma once
// A game on the 240 x 320 screen drawing into a recording surface, with small
// helpers to build positions and to look up what was drawn.
#include "board/layout.h"
#include "board/recording_surface.h"
#include "board/table.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tarmigo::testing {

// Cards that player 0 can play on a fresh board only when moving, and not otherwise.
inline constexpr std::array<Card, HandSize> DeadHand{
    Distance25, Distance50, Distance75, Distance100, Distance200, Stop, Repairs};
// A mixed hand of a player who is rolling.
inline constexpr std::array<Card, HandSize> MidHand{Distance25, Distance100, Go,        Stop,
                                                    SpeedLimit, Repairs,     RightOfWay};

class BoardTest : public ::testing::Test {
  protected:
    TestHost host;
    Table g{host, host};
    RecordingSurface surface;

    BoardTest() {
        g.layout = computeLayout(240, 320);
        g.playerCount = 1;
        g.currentPlayer = 0;
        g.round.raceLength = 700;
        g.round.animDelay = 8;
        g.round.set(flag::animate, true);
        g.round.deckPos = 14;
        g.players[0].hand = MidHand;
        g.players[1].hand = MidHand;
        g.surface = &surface;
    }

    void rolling(int player) { g.players[player].setBattle(BattleGo); }
    void layDistance(int player, Card c, int count) {
        g.players[player].distancePlayed[c - Distance25] += static_cast<std::uint8_t>(count);
        g.players[player].miles += static_cast<std::uint16_t>(valueOf(c) * count);
    }

    const std::vector<DrawOp>& ops() const { return surface.ops(); }

    std::vector<DrawOp> opsOf(DrawOp::Kind kind) const {
        std::vector<DrawOp> out;
        std::copy_if(ops().begin(), ops().end(), std::back_inserter(out),
                     [kind](const DrawOp& op) { return op.kind == kind; });
        return out;
    }
    std::vector<DrawOp> bitmaps() const { return opsOf(DrawOp::Kind::Bitmap); }
    std::vector<DrawOp> bitmapsWithId(int id) const {
        std::vector<DrawOp> out;
        for (const DrawOp& op : bitmaps())
            if (op.bitmap == id) out.push_back(op);
        return out;
    }
    // Ids of the bitmaps drawn with their top-left corner at (x, y), in drawing order.
    std::vector<int> bitmapsAt(int x, int y) const {
        std::vector<int> out;
        for (const DrawOp& op : bitmaps())
            if (op.x() == x && op.y() == y) out.push_back(op.bitmap);
        return out;
    }
    bool hasFill(const Rect& r, Rgb brush, Pen pen) const {
        return std::any_of(ops().begin(), ops().end(), [&](const DrawOp& op) {
            return op.kind == DrawOp::Kind::Fill && op.rect == r && op.colour == brush &&
                   op.pen == pen;
        });
    }
    // A one-pixel line in the pen's colour, whatever the brush.
    bool hasLine(const Rect& r, Pen pen) const {
        return std::any_of(ops().begin(), ops().end(), [&](const DrawOp& op) {
            return op.kind == DrawOp::Kind::Fill && op.rect == r && op.pen == pen;
        });
    }
    const DrawOp* findText(const std::string& text) const {
        for (const DrawOp& op : ops())
            if (op.kind == DrawOp::Kind::Text && op.text == text) return &op;
        return nullptr;
    }
    int count(DrawOp::Kind kind) const { return static_cast<int>(opsOf(kind).size()); }
};

} // namespace tarmigo::testing
